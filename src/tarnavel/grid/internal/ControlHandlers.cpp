// The actions of the switch, slider and date-picker cells, and the picker cells' chosen row. Each reads its
// row and column from the carriers the bind left on the sender, writes the new value back when the grid
// asks for it, then tells the delegate.
#include "tarnavel/grid/internal/CellWriteBack.h"
#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"

namespace tarnavel {

namespace {

// The chosen entry of the picker column's list; raises when the column has no such entry (a list emptied
// since the bind, a column that is no longer a picker column) or the entry is null.
Value pickerEntry(const DataGridColumn& column, NSInteger row) {
  const auto* picker = dynamic_cast<const DataGridPickerColumn*>(&column);
  if (!picker) raiseException(NSInvalidArgumentException, "the column has no picker entries");
  Value entry = picker->pickerDataSource.at(row);
  if (entry.isNull()) raiseException(NSInvalidArgumentException, "no picker entry to write");
  return entry;
}

}  // namespace

void UIDataGrid::sldrChanged(UISlider& sender) {
  const CarriedPosition at = carriedPosition(sender);
  // The value's own text as a float: "50", "0.25".
  writeBackField(*this, at, Value(Value(sender.value()).description()));
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridSliderColumnCellValueChanged(*this, at.row, at.column, sender);
  });
}

void UIDataGrid::SwhChanged(UISwitch& sender) {
  const CarriedPosition at = carriedPosition(sender);
  writeBackField(*this, at, Value(Value(sender.on).description()));
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridSwitchColumnCellValueChanged(*this, at.row, at.column, sender);
  });
}

void UIDataGrid::datePkrChanged(UIDatePicker& sender) {
  NSDateFormatter formatter;
  formatter.setDateFormat(sender.accessibilityIdentifier());
  const std::string text = formatter.stringFromDate(sender.date());
  const CarriedPosition at = carriedPosition(sender);
  // Without a pattern there is no text for the date; the record keeps what it holds rather than "".
  if (!text.empty()) writeBackField(*this, at, Value(text));
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridDatePickerColumnCellEditingChanged(*this, at.row, at.column, sender);
  });
}

void UIDataGrid::datePkrEditBegin(UIDatePicker& sender) {
  const CarriedPosition at = carriedPosition(sender);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridDatePickerColumnCellEditingBegin(*this, at.row, at.column, sender);
  });
}

void UIDataGrid::datePkrEditEnd(UIDatePicker& sender) {
  const CarriedPosition at = carriedPosition(sender);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridDatePickerColumnCellEditingEnd(*this, at.row, at.column, sender);
  });
}

void UIDataGrid::didSelectRow(UIPickerView& pickerView, NSInteger row, NSInteger component) {
  const CarriedPosition at = carriedPosition(pickerView);
  writeBackField(*this, at, [&](const DataGridColumn& column) { return pickerEntry(column, row); });
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridPickerColumnCellRowSelected(*this, at.row, at.column, row, component, pickerView);
  });
}

}  // namespace tarnavel
