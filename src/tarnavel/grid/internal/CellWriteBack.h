#pragma once

#include "tarnavel/grid/internal/DelegateCalls.h"

namespace tarnavel {

/// When the grid's updateDataSource is on, replaces the field of the edited cell's record with `value`. The
/// carried row and column are checked against the current DataSource and Columns; a lookup that fails skips
/// the write and the handler goes on.
void writeBackField(UIDataGrid& grid, CarriedPosition at, Value value);

}  // namespace tarnavel
