#include "tarnavel/grid/internal/CellWriteBack.h"

namespace tarnavel {

DataGridColumn* carriedColumn(const UIDataGrid& grid, int column) {
  return grid.Columns[checkedIndex(column, grid.Columns.size())].get();
}

void writeBackField(UIDataGrid& grid, CarriedPosition at,
                    const std::function<Value(const DataGridColumn&)>& valueFor) {
  if (!grid.updateDataSource) return;
  // When the record or the field is gone since the bind nothing is written; the delegate still hears.
  const ExceptionRecordScope scope(grid.exceptionRecord());
  runProtected([&] {
    const DataGridColumn* column = carriedColumn(grid, at.column);
    if (!column) return;
    const Value record = grid.DataSource.at(at.row);
    record.replaceAt(column->dataFieldIndex, valueFor(*column));
  });
}

void writeBackField(UIDataGrid& grid, CarriedPosition at, Value value) {
  writeBackField(grid, at, [&](const DataGridColumn&) { return std::move(value); });
}

}  // namespace tarnavel
