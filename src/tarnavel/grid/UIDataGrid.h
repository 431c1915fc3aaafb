#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "tarnavel/grid/DataGridColumns.h"
#include "tarnavel/grid/DataGridDelegate.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/controls/UITextView.h"
#include "tarnavel/platform/foundation/SwallowedExceptions.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"

namespace tarnavel {

struct DataGridBindingState;

/// The data grid: a header strip of column titles over a scroll view of cells, one cell per record and
/// visible column. Set the properties, `Columns` and `DataSource`, then call DataBind(); call it again after
/// any change (a bind rebuilds every view and keeps only what it wrote back: HeaderHeight and RowHeight,
/// column widths, fonts and colours, placement offsets and the grid's widened frame).
///
/// Make the grid with std::make_shared: the recognizers and controls it binds hold it as a weak target.
/// It is the delegate of its scroll view and of its text-view cells, and the data source and delegate of its
/// picker cells.
class UIDataGrid : public UIView,
                   public UITextViewDelegate,
                   public UIPickerViewDataSource,
                   public UIPickerViewDelegate {
 public:
  explicit UIDataGrid(CGRect frame = CGRectZero);
  explicit UIDataGrid(const NSCoder& coder);
  ~UIDataGrid() override;

  /// The records in row order: an array of records, each an array of field values (texts; image names for
  /// image columns), null until the host sets it. Arrays are shared, so edits written back reach the host's
  /// own records.
  Value DataSource;
  /// The columns in display order; a column's position here is the `colIndex` of every delegate call.
  std::vector<std::shared_ptr<DataGridColumn>> Columns;
  /// While exactly 70, every column is 70 wide whatever its Width; any other value leaves each its Width.
  CGFloat ColumnsWidth = 70;
  /// Height of every row of cells; a bind only ever raises it.
  CGFloat RowHeight = 5;
  /// Cell text colour of the columns that leave theirs unset.
  std::shared_ptr<UIColor> foregroundColor = UIColor::blackColor();
  /// Background of the cells of odd rows (1, 3, ...) when set.
  std::shared_ptr<UIColor> alternatingBackgroundColor = kDataGridUnsetColor();
  /// Cell font of the columns whose font is null.
  std::shared_ptr<UIFont> datagridFont = UIFont::fontWithName("Verdana", 6);
  /// Height of the header strip; a bind only ever raises it (to the tallest title).
  CGFloat HeaderHeight = 5;
  /// True puts the header strip inside the scroll view, so that it scrolls away with the cells.
  bool HeaderScrollHide = false;
  std::shared_ptr<UIColor> HeaderBackgroundColor = kDataGridUnsetColor();
  std::shared_ptr<UIColor> HeaderForegroundColor = UIColor::blackColor();
  std::shared_ptr<UIFont> HeaderFont = UIFont::fontWithName("Verdana-Bold", 6);
  std::shared_ptr<UIColor> HeaderBorderColor = kDataGridUnsetColor();
  CGFloat HeaderBorderWidth = 0;
  std::shared_ptr<UIColor> cellBorderColor = kDataGridUnsetColor();
  CGFloat cellBorderWidth = 0;
  std::shared_ptr<UIColor> rowBorderColor = kDataGridUnsetColor();
  /// Height of the strip under each cell, and extra space between rows; 0 draws no strips.
  CGFloat rowBorderHeight = 0;
  std::shared_ptr<UIColor> columnBorderColor = kDataGridUnsetColor();
  /// Width of the strips between columns, and extra space between them; 0 draws none.
  CGFloat columnBorderWidth = 0;
  /// True writes every cell edit back into DataSource before the delegate hears of it.
  bool updateDataSource = false;
  /// Kept for the host; the grid does not read it.
  float griding = 0;

  /// The delegate, held weakly: one that has been released is no longer called.
  std::shared_ptr<DataGridDelegate> delegate() const { return delegate_.load().lock(); }
  void setDelegate(const std::shared_ptr<DataGridDelegate>& delegate) { delegate_.store(delegate); }

  /// Builds the header strip, the cells and the scroll view from Columns and DataSource. A platform
  /// exception on the way ends the bind quietly, keeping what was built so far.
  void DataBind();
  /// The reason a protected step of this grid's last bind or handler ended early, if one did; a bind that
  /// ends without one clears it. setSwallowedExceptionHandler() hears every one as it happens.
  const std::optional<NSException>& lastSwallowedException() const { return exceptions_.last(); }
  /// The record behind lastSwallowedException(), written by the grid's protected steps.
  ExceptionRecord& exceptionRecord() { return exceptions_; }

  /// The frame of a control of `column`'s cellSize inside the cell whose control frame is `origFrame`: at
  /// the column's explicit offsets, else at its anchor (an anchor outside the enumeration centres it).
  CGRect cellLayoutFrame(const DataGridColumn& column, CGRect origFrame) const;
  /// Stores into the column the offsets its anchor gives in a cell of `origFrame`'s size (an anchor outside
  /// the enumeration gives the centre's), unless it already holds offsets.
  void cellLayoutPosition(DataGridColumn& column, CGRect origFrame) const;

  // What the bound recognizers and controls call. Each finds its row and column from the carriers the
  // bind left on the sender and tells the delegate.
  void tappedTitle(UIGestureRecognizer& sender);
  void tappedCell(UIGestureRecognizer& sender);
  void txtChanged(UITextField& sender);
  void txtEditBegin(UITextField& sender);
  void txtEditEnd(UITextField& sender);
  void sldrChanged(UISlider& sender);
  void SwhChanged(UISwitch& sender);
  void datePkrChanged(UIDatePicker& sender);
  void datePkrEditBegin(UIDatePicker& sender);
  void datePkrEditEnd(UIDatePicker& sender);
  void didSelectRow(UIPickerView& pickerView, NSInteger row, NSInteger component) override;

  // The text-view cells' delegate: the two questions answer what the grid's delegate answers (yes without
  // it); a change writes the view's text back.
  bool textViewShouldBeginEditing(UITextView& textView) override;
  void textViewDidBeginEditing(UITextView& textView) override;
  void textViewDidChange(UITextView& textView) override;
  void textViewDidChangeSelection(UITextView& textView) override;
  bool textViewShouldEndEditing(UITextView& textView) override;
  void textViewDidEndEditing(UITextView& textView) override;

  // The picker cells' questions, answered from the picker column the picker's column carrier names (one
  // component; the component asked about is not read). Each reads the column afresh.
  std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView& pickerView) override;
  /// The count of the column's pickerDataSource, but at least 1.
  std::optional<NSInteger> numberOfRowsInComponent(UIPickerView& pickerView, NSInteger component) override;
  /// The column's pickerRowHeight, or half the grid's RowHeight while that is 0.
  std::optional<CGFloat> rowHeightForComponent(UIPickerView& pickerView, NSInteger component) override;
  /// The delegate's view for the row when it gives one; else a new label styled from the column and its
  /// cellLabelTemplate, showing the row's entry.
  std::shared_ptr<UIView> viewForRow(UIPickerView& pickerView, NSInteger row, NSInteger component,
                                     const std::shared_ptr<UIView>& reusingView) override;

  // The scroll view's callbacks, each passed on to the delegate's method of the same name with the grid
  // first and every argument unchanged (the delegate may move the target offset of a drag).
  void scrollViewDidScroll(UIScrollView& scrollView) override;
  void scrollViewWillBeginDragging(UIScrollView& scrollView) override;
  void scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                 CGPoint* targetContentOffset) override;
  void scrollViewDidEndDragging(UIScrollView& scrollView, bool willDecelerate) override;
  void scrollViewDidScrollToTop(UIScrollView& scrollView) override;
  void scrollViewWillBeginDecelerating(UIScrollView& scrollView) override;
  void scrollViewDidEndDecelerating(UIScrollView& scrollView) override;
  void scrollViewWillBeginZooming(UIScrollView& scrollView, UIView* view) override;
  void scrollViewDidEndZooming(UIScrollView& scrollView, UIView* view, CGFloat scale) override;
  void scrollViewDidZoom(UIScrollView& scrollView) override;
  void scrollViewDidEndScrollingAnimation(UIScrollView& scrollView) override;

 private:
  void baseInit();

  std::unique_ptr<DataGridBindingState> binding_;
  std::atomic<std::weak_ptr<DataGridDelegate>> delegate_;
  ExceptionRecord exceptions_;
};

}  // namespace tarnavel
