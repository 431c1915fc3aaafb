#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "tarnavel/platform/render/CGContext.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

class UIPickerView;

/// Where a picker finds its components and rows. A method left as it is answers null: "not implemented".
class UIPickerViewDataSource {
 public:
  virtual ~UIPickerViewDataSource() = default;
  virtual std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView& /*pickerView*/) {
    return std::nullopt;
  }
  virtual std::optional<NSInteger> numberOfRowsInComponent(UIPickerView& /*pickerView*/,
                                                           NSInteger /*component*/) {
    return std::nullopt;
  }
};

/// What a picker asks about its rows' looks, and whom it tells of a row the user picked. A method left as
/// it is answers null or does nothing: "not implemented".
class UIPickerViewDelegate {
 public:
  virtual ~UIPickerViewDelegate() = default;
  virtual std::optional<CGFloat> rowHeightForComponent(UIPickerView& /*pickerView*/,
                                                       NSInteger /*component*/) {
    return std::nullopt;
  }
  /// The view that shows `row`; `reusingView` is one the picker no longer shows, or null.
  virtual std::shared_ptr<UIView> viewForRow(UIPickerView& /*pickerView*/, NSInteger /*row*/,
                                             NSInteger /*component*/,
                                             const std::shared_ptr<UIView>& /*reusingView*/) {
    return nullptr;
  }
  virtual void didSelectRow(UIPickerView& /*pickerView*/, NSInteger /*row*/, NSInteger /*component*/) {}
};

/// A spinning-wheel picker of fixed size: made with a frame, it keeps the frame's origin and takes its
/// natural size. Its data source and delegate are held weakly. Selecting a row from code tells nobody.
class UIPickerView : public UIView {
 public:
  static constexpr CGSize kNaturalSize{320, 216};

  UIPickerView() : UIPickerView(CGRectZero) {}
  explicit UIPickerView(CGRect frame);
  explicit UIPickerView(const NSCoder& coder);

  std::shared_ptr<UIPickerViewDataSource> dataSource() const { return dataSource_.lock(); }
  void setDataSource(const std::shared_ptr<UIPickerViewDataSource>& dataSource) { dataSource_ = dataSource; }
  std::shared_ptr<UIPickerViewDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(const std::shared_ptr<UIPickerViewDelegate>& delegate) { delegate_ = delegate; }

  /// Makes `row` the selected row of `component` (the animation is not drawn). A negative row or component
  /// raises NSRangeException and changes nothing.
  void selectRow(NSInteger row, NSInteger component, bool animated);
  /// The selected row of `component`: 0 until one is selected. A negative component raises NSRangeException.
  NSInteger selectedRowInComponent(NSInteger component) const;

  bool showsSelectionIndicator = false;

  /// Spins `component` to `row` as a person does: the row becomes the selected one and the delegate hears
  /// of it (didSelectRow), even when it was selected already. Only a row the data source counts can be
  /// reached; a picker that takes no touches does not turn.
  void pickRow(NSInteger row, NSInteger component);

  /// Asks the data source and the delegate afresh for the components, rows, row height and the views of the
  /// rows shown around each component's selected row, and keeps what they answer. Drawing asks the same way.
  void reloadAllComponents();
  /// The view shown for `row` of `component` after the last asking, or null when that row is not shown.
  std::shared_ptr<UIView> viewForRow(NSInteger row, NSInteger component) const;

  /// The face, then the shown rows: each component's selected row in the middle band, its neighbours above
  /// and below. A picker without a data source shows only its face.
  void drawContent(CGContext& context) const override;

 private:
  /// A row view as the last asking placed it, in the picker's bounds.
  struct ShownRow {
    NSInteger component;
    NSInteger row;
    std::shared_ptr<UIView> view;
  };

  CGFloat askRowHeight(NSInteger component);
  void askComponentRows(NSInteger component, NSInteger components);

  std::vector<ShownRow> shownRows_;
  /// What the last asking found: the wheels to draw and the height of the first wheel's rows.
  NSInteger components_ = 0;
  CGFloat rowHeight_ = 0;
  std::weak_ptr<UIPickerViewDataSource> dataSource_;
  std::weak_ptr<UIPickerViewDelegate> delegate_;
  std::vector<NSInteger> selectedRows_;
};

}  // namespace tarnavel
