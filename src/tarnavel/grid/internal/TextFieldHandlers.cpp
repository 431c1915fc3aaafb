// The text-field cells' actions: editing changed, began and ended.
#include "tarnavel/grid/internal/CellWriteBack.h"

namespace tarnavel {

void UIDataGrid::txtChanged(UITextField& sender) {
  const CarriedPosition at = carriedPosition(sender);
  writeBackField(*this, at, Value(sender.text));
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
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextFieldColumnCellEditingEnd(*this, at.row, at.column, sender);
  });
}

}  // namespace tarnavel
