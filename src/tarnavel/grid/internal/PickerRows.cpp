// What the picker cells ask the grid: their component and row counts, row height and row views, from the
// picker column their column carrier names. A column that cannot be found (Columns replaced since the bind)
// gives one row of half the grid's RowHeight, and unstyled row labels.
#include "tarnavel/grid/internal/CellTemplateCopy.h"
#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/grid/internal/DelegateCalls.h"
#include "tarnavel/grid/internal/GridMarkerTests.h"

namespace tarnavel {

namespace {

/// The picker column at the picker's column carrier; raises when Columns holds none there.
const DataGridPickerColumn& pickerColumnOf(const UIDataGrid& grid, const UIPickerView& picker) {
  const int index = carrierNumber(picker.accessibilityLabel());
  const auto* column =
      dynamic_cast<const DataGridPickerColumn*>(grid.Columns[checkedIndex(index, grid.Columns.size())].get());
  if (!column) raiseException(NSInvalidArgumentException, "the picker's column is not a picker column");
  return *column;
}

void applyColumnLook(const DataGridPickerColumn& column, UILabel& label) {
  if (column.backgroundColor()) label.setBackgroundColor(column.backgroundColor());
  if (column.textColor) label.setTextColor(column.textColor);
  if (!isUnsetFont(column.font)) label.setFont(column.font);
}

}  // namespace

std::optional<NSInteger> UIDataGrid::numberOfComponentsInPickerView(UIPickerView& /*pickerView*/) {
  return 1;
}

std::optional<NSInteger> UIDataGrid::numberOfRowsInComponent(UIPickerView& pickerView,
                                                             NSInteger /*component*/) {
  NSInteger rows = 1;
  const ExceptionRecordScope scope(exceptions_);
  runProtected([&] {
    const std::size_t entries = pickerColumnOf(*this, pickerView).pickerDataSource.count();
    if (entries >= 2) rows = static_cast<NSInteger>(entries);
  });
  return rows;
}

std::optional<CGFloat> UIDataGrid::rowHeightForComponent(UIPickerView& pickerView, NSInteger /*component*/) {
  CGFloat height = RowHeight * 0.5;
  const ExceptionRecordScope scope(exceptions_);
  runProtected([&] {
    const CGFloat own = pickerColumnOf(*this, pickerView).pickerRowHeight;
    if (own != 0) height = own;
  });
  return height;
}

std::shared_ptr<UIView> UIDataGrid::viewForRow(UIPickerView& pickerView, NSInteger row, NSInteger component,
                                               const std::shared_ptr<UIView>& reusingView) {
  const CarriedPosition at = carriedPosition(pickerView);
  std::shared_ptr<UIView> hostView;
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    hostView = delegate.datagridPickerColumnCellViewForRow(*this, at.row, at.column, row, component,
                                                           reusingView, pickerView);
  });
  if (hostView) return hostView;

  // Every row gets a new label; the view the picker offers for reuse is not used.
  auto label = std::make_shared<UILabel>();
  const ExceptionRecordScope scope(exceptions_);
  // A failure on the way leaves the label as far as it was styled, without text (row 0 of an empty list).
  runProtected([&] {
    const DataGridPickerColumn& column = pickerColumnOf(*this, pickerView);
    applyColumnLook(column, *label);
    if (column.cellLabelTemplate) applyLabelTemplate(*column.cellLabelTemplate, *label);
    label->setFrame(pickerView.frame());
    label->setText(fieldText(column.pickerDataSource.at(row)));
  });
  return label;
}

}  // namespace tarnavel
