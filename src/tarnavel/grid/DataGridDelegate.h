#pragma once

#include <memory>

#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

class UIDataGrid;
class UIDatePicker;
class UIPickerView;
class UIScrollView;
class UISlider;
class UISwitch;
class UITextField;
class UITextView;
class UIView;

/// What a grid tells its host. Every method is optional: the defaults do what "not implemented" means
/// (nothing; allowing the edit for the two questions; no view of the host's for a picker row). `rowIndex` is
/// the record's position in the grid's DataSource and `colIndex` the column's position in its Columns.
class DataGridDelegate {
 public:
  virtual ~DataGridDelegate() = default;

  /// `value` is the cell's field value as it was when the grid was bound.
  virtual void datagridCellTapped(UIDataGrid& /*grid*/, int /*rowIndex*/, int /*colIndex*/,
                                  const Value& /*value*/) {}
  /// `title` is the column's Title as it was when the grid was bound.
  virtual void datagridColumnTitleTapped(UIDataGrid& /*grid*/, int /*colIndex*/, const Value& /*title*/) {}

  virtual void datagridScrollViewDidScroll(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/) {}
  virtual void datagridScrollViewWillBeginDragging(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/) {}
  /// The host may change `*targetContentOffset`.
  virtual void datagridScrollViewWillEndDragging(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/,
                                                 CGPoint /*velocity*/, CGPoint* /*targetContentOffset*/) {}
  virtual void datagridScrollViewDidEndDragging(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/,
                                                bool /*willDecelerate*/) {}
  virtual void datagridScrollViewDidScrollToTop(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/) {}
  virtual void datagridScrollViewWillBeginDecelerating(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/) {}
  virtual void datagridScrollViewDidEndDecelerating(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/) {}
  virtual void datagridScrollViewWillBeginZooming(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/,
                                                  UIView* /*view*/) {}
  virtual void datagridScrollViewDidEndZooming(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/,
                                               UIView* /*view*/, CGFloat /*scale*/) {}
  virtual void datagridScrollViewDidZoom(UIDataGrid& /*grid*/, UIScrollView& /*scrollView*/) {}
  virtual void datagridScrollViewDidEndScrollingAnimation(UIDataGrid& /*grid*/,
                                                          UIScrollView& /*scrollView*/) {}

  virtual void datagridTextFieldColumnCellEditingChanged(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                         int /*colIndex*/, UITextField& /*sender*/) {}
  virtual void datagridTextFieldColumnCellEditingBegin(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                       int /*colIndex*/, UITextField& /*sender*/) {}
  virtual void datagridTextFieldColumnCellEditingEnd(UIDataGrid& /*grid*/, int /*rowIndex*/, int /*colIndex*/,
                                                     UITextField& /*sender*/) {}

  virtual void datagridDatePickerColumnCellEditingChanged(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                          int /*colIndex*/, UIDatePicker& /*sender*/) {}
  virtual void datagridDatePickerColumnCellEditingBegin(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                        int /*colIndex*/, UIDatePicker& /*sender*/) {}
  virtual void datagridDatePickerColumnCellEditingEnd(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                      int /*colIndex*/, UIDatePicker& /*sender*/) {}

  virtual void datagridTextViewColumnCellEditingBegin(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                      int /*colIndex*/, UITextView& /*sender*/) {}
  virtual void datagridTextViewColumnCellEditingChanged(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                        int /*colIndex*/, UITextView& /*sender*/) {}
  virtual void datagridTextViewColumnCellEditingSelectionChanged(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                                 int /*colIndex*/, UITextView& /*sender*/) {}
  virtual void datagridTextViewColumnCellEditingEnd(UIDataGrid& /*grid*/, int /*rowIndex*/, int /*colIndex*/,
                                                    UITextView& /*sender*/) {}
  /// Whether editing may begin; the default allows it.
  virtual bool datagridTextViewColumnCellEditingAboutBegin(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                           int /*colIndex*/, UITextView& /*sender*/) {
    return true;
  }
  /// Whether editing may end; the default allows it.
  virtual bool datagridTextViewColumnCellEditingAboutEnd(UIDataGrid& /*grid*/, int /*rowIndex*/,
                                                         int /*colIndex*/, UITextView& /*sender*/) {
    return true;
  }

  virtual void datagridPickerColumnCellRowSelected(UIDataGrid& /*grid*/, int /*rowIndex*/, int /*colIndex*/,
                                                   NSInteger /*rowInPicker*/, NSInteger /*component*/,
                                                   UIPickerView& /*sender*/) {}
  /// A view to show for the picker row instead of the grid's row label; null keeps the grid's label.
  virtual std::shared_ptr<UIView> datagridPickerColumnCellViewForRow(
      UIDataGrid& /*grid*/, int /*rowIndex*/, int /*colIndex*/, NSInteger /*rowInPicker*/,
      NSInteger /*component*/, const std::shared_ptr<UIView>& /*reusingView*/, UIPickerView& /*sender*/) {
    return nullptr;
  }

  virtual void datagridSliderColumnCellValueChanged(UIDataGrid& /*grid*/, int /*rowIndex*/, int /*colIndex*/,
                                                    UISlider& /*sender*/) {}
  virtual void datagridSwitchColumnCellValueChanged(UIDataGrid& /*grid*/, int /*rowIndex*/, int /*colIndex*/,
                                                    UISwitch& /*sender*/) {}
};

}  // namespace tarnavel
