// The row pass: one cell per record and visible column, with the border strips under and beside it.
#include "tarnavel/grid/internal/DataGridBinder.h"

namespace tarnavel {

CGFloat DataGridBinder::bindRows() {
  CGFloat x = 0;
  // The content width is the x the last record reaches.
  for (std::size_t r = 0; r < state_.RowsCount; ++r)
    x = bindRecord(r);
  return x;
}

CGFloat DataGridBinder::bindRecord(std::size_t row) {
  const Value record = grid_.DataSource.at(static_cast<long long>(row));
  state_.FieldsCount = fieldCountOf(record);
  const CGFloat pitch = rowPitch();
  CGFloat y = saturatedLength(static_cast<CGFloat>(row) * pitch);
  if (grid_.HeaderScrollHide) y = saturatedLength(y + grid_.HeaderHeight);  // the header strip sits above

  CGFloat x = 0;
  for (std::size_t c = 0; c < state_.ColumnsCount; ++c) {
    DataGridColumn* column = grid_.Columns[c].get();
    if (!column || column->isHidden()) continue;
    const CellSlot slot{record, row, c, CGRectMake(x, y, column->Width, grid_.RowHeight)};
    // A record without the field, or a column of a kind with no cells, leaves its slot empty but keeps
    // its width, so that the later cells of the record stay under their titles.
    const bool made = recordHasField(column->dataFieldIndex, state_.FieldsCount) && bindCell(*column, slot);
    x = saturatedLength(x + column->Width);
    if (made && grid_.rowBorderHeight != 0) {
      state_.scroll->addSubview(makeStrip(CGRectMake(x - column->Width, saturatedLength(y + grid_.RowHeight),
                                                     column->Width, grid_.rowBorderHeight),
                                          grid_.rowBorderColor));
    }
    if (grid_.columnBorderWidth != 0) {
      state_.scroll->addSubview(
          makeStrip(CGRectMake(x, y, grid_.columnBorderWidth, pitch), grid_.columnBorderColor));
      x = saturatedLength(x + grid_.columnBorderWidth);
    }
  }
  return x;
}

bool DataGridBinder::bindCell(DataGridColumn& column, const CellSlot& slot) {
  if (auto* label = dynamic_cast<DataGridLabelColumn*>(&column)) {
    bindLabelCell(*label, slot);
  } else if (auto* image = dynamic_cast<DataGridImageColumn*>(&column)) {
    bindImageCell(*image, slot);
  } else if (auto* button = dynamic_cast<DataGridButtonColumn*>(&column)) {
    bindButtonCell(*button, slot);
  } else if (auto* textField = dynamic_cast<DataGridTextFieldColumn*>(&column)) {
    bindTextFieldCell(*textField, slot);
  } else if (auto* textView = dynamic_cast<DataGridTextViewColumn*>(&column)) {
    bindTextViewCell(*textView, slot);
  } else if (auto* datePicker = dynamic_cast<DataGridDatePickerColumn*>(&column)) {
    bindDatePickerCell(*datePicker, slot);
  } else if (auto* picker = dynamic_cast<DataGridPickerColumn*>(&column)) {
    bindPickerCell(*picker, slot);
  } else if (auto* slider = dynamic_cast<DataGridSliderColumn*>(&column)) {
    bindSliderCell(*slider, slot);
  } else if (auto* toggle = dynamic_cast<DataGridSwitchColumn*>(&column)) {
    bindSwitchCell(*toggle, slot);
  } else {
    return false;
  }
  return true;
}

}  // namespace tarnavel
