#include "tarnavel/grid/internal/CellWriteBack.h"

namespace tarnavel {

void writeBackField(UIDataGrid& grid, CarriedPosition at, Value value) {
  if (!grid.updateDataSource) return;
  // When the record or the field is gone since the bind nothing is written; the delegate still hears.
  const ExceptionRecordScope scope(grid.exceptionRecord());
  runProtected([&] {
    const auto& column = grid.Columns[checkedIndex(at.column, grid.Columns.size())];
    if (!column) return;
    const Value record = grid.DataSource.at(at.row);
    record.replaceAt(column->dataFieldIndex, std::move(value));
  });
}

}  // namespace tarnavel
