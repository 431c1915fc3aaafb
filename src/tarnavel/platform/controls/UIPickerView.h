#pragma once

#include <memory>
#include <optional>
#include <vector>

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

  void drawContent(CGContext& context) const override;

 private:
  std::weak_ptr<UIPickerViewDataSource> dataSource_;
  std::weak_ptr<UIPickerViewDelegate> delegate_;
  std::vector<NSInteger> selectedRows_;
};

}  // namespace tarnavel
