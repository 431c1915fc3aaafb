#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "tarnavel/grid/DataGridCells.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {

/// What a bind builds and counts; it lives in the grid between binds.
struct DataGridBindingState {
  /// The grid's column limit: columns from this index on get no cells and no cell list.
  static constexpr std::size_t kMaxColumns = 1024;

  std::size_t RowsCount = 0;
  std::size_t ColumnsCount = 0;
  /// Field count of the record being bound.
  std::size_t FieldsCount = 0;
  std::shared_ptr<UIScrollView> scroll;
  std::shared_ptr<UIView> header;
  /// Per column index, the cells of the bind under way.
  std::array<std::shared_ptr<DataGridCellList>, kMaxColumns> arrCells;
  /// The last label cell made.
  std::shared_ptr<DataGridLabelCell> cell;
};

}  // namespace tarnavel
