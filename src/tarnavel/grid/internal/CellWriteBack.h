#pragma once

#include <functional>

#include "tarnavel/grid/internal/DelegateCalls.h"

namespace tarnavel {

/// The column a sender's carrier names (null when the host put null there); raises NSRangeException when
/// Columns has no such entry.
DataGridColumn* carriedColumn(const UIDataGrid& grid, int column);

/// When the grid's updateDataSource is on, replaces the field of the edited cell's record with the value
/// `valueFor` gives for the cell's column. The carried row and column are checked against the current
/// DataSource and Columns; a lookup that fails, or a value that cannot be had, skips the write and the
/// handler goes on.
void writeBackField(UIDataGrid& grid, CarriedPosition at,
                    const std::function<Value(const DataGridColumn&)>& valueFor);
void writeBackField(UIDataGrid& grid, CarriedPosition at, Value value);

}  // namespace tarnavel
