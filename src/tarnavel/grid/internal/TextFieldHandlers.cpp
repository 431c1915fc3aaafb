// The text-field cells' actions: editing changed, began and ended.
#include "tarnavel/grid/internal/CellWriteBack.h"
#include "tarnavel/grid/internal/TypedNumber.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"

namespace tarnavel {

namespace {

// Shows the field's text in its column's number style. Only a complete entry is rewritten, once: done while
// the user types keystroke by keystroke, "1." would become "1" and the next key would make "15" of "1.5";
// done again to a text already styled, "$18.50" would read as 0.
void reformatAsNumber(UIDataGrid& grid, CarriedPosition at, UITextField& field) {
  const ExceptionRecordScope scope(grid.exceptionRecord());
  runProtected([&] {
    const auto* column = dynamic_cast<const DataGridTextFieldColumn*>(carriedColumn(grid, at.column));
    if (!column || column->numberFormatterStyle == 0) return;
    NSNumberFormatter formatter;
    formatter.setNumberStyle(column->numberFormatterStyle);
    const auto number = numberWithType(column->numberWithType, field.text);
    if (!number) return;
    // A locale ICU cannot format in leaves the typed text rather than blanking the field.
    if (auto text = formatter.stringFromNumber(*number)) field.text = std::move(*text);
  });
}

}  // namespace

void UIDataGrid::txtChanged(UITextField& sender) {
  const CarriedPosition at = carriedPosition(sender);
  writeBackField(*this, at, Value(sender.text));
  if (!sender.isTypingEntry()) reformatAsNumber(*this, at, sender);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextFieldColumnCellEditingChanged(*this, at.row, at.column, sender);
  });
}

void UIDataGrid::txtEditBegin(UITextField& sender) {
  const CarriedPosition at = carriedPosition(sender);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextFieldColumnCellEditingBegin(*this, at.row, at.column, sender);
  });
}

void UIDataGrid::txtEditEnd(UITextField& sender) {
  const CarriedPosition at = carriedPosition(sender);
  // An entry replaced whole was styled when it came; untouched text is left as it is.
  if (sender.isTypingEntry()) reformatAsNumber(*this, at, sender);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextFieldColumnCellEditingEnd(*this, at.row, at.column, sender);
  });
}

}  // namespace tarnavel
