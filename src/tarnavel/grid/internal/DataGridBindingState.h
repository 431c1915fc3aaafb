#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "tarnavel/grid/DataGridCells.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {

/// What a bind builds and counts; it lives in the grid between binds.
struct DataGridBindingState {
  std::size_t RowsCount = 0;
  std::size_t ColumnsCount = 0;
  /// Field count of the record being bound.
  std::size_t FieldsCount = 0;
  std::shared_ptr<UIScrollView> scroll;
  std::shared_ptr<UIView> header;
  /// Per column index, the cells of the bind under way: one list for every column, however many.
  std::vector<std::shared_ptr<DataGridCellList>> arrCells;
  /// The last label cell made.
  std::shared_ptr<DataGridLabelCell> cell;
};

}  // namespace tarnavel
