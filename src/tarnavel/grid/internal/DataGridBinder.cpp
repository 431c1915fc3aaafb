#include "tarnavel/grid/internal/DataGridBinder.h"

#include <algorithm>

#include "tarnavel/grid/internal/GridMarkerTests.h"

namespace tarnavel {

namespace {

// The scroll view's content reaches this far below the last row.
constexpr CGFloat kContentBottomMargin = 10.0;

}  // namespace

DataGridBinder::DataGridBinder(UIDataGrid& grid, DataGridBindingState& state)
    : grid_(grid), state_(state), self_(std::static_pointer_cast<UIDataGrid>(grid.weak_from_this().lock())) {}

void DataGridBinder::bind() {
  grid_.removeAllSubviews();
  releaseEarlierViews();
  state_.header = std::make_shared<UIView>(CGRectMake(0, 0, grid_.frame().size.width, grid_.HeaderHeight));
  state_.RowsCount = grid_.DataSource.count();
  bindHeader();
  if (state_.RowsCount == 0) return;  // no records: the grid shows nothing
  makeScrollArea();
  resetCellLists();
  const CGFloat contentWidth = bindRows();
  handOverCells();
  fitContent(contentWidth);
  grid_.addSubview(state_.scroll);
}

void DataGridBinder::releaseEarlierViews() {
  // Views and lists this bind does not show must not outlive it: a bind with fewer columns or no records
  // would otherwise keep every cell of the bind before it.
  state_.scroll.reset();
  state_.cell.reset();
  state_.arrCells.clear();
}

void DataGridBinder::makeScrollArea() {
  const CGSize size = grid_.frame().size;
  if (grid_.HeaderScrollHide) {
    state_.scroll = std::make_shared<UIScrollView>(CGRectMake(0, 0, size.width, size.height));
    state_.scroll->addSubview(state_.header);
  } else {
    state_.scroll = std::make_shared<UIScrollView>(
        CGRectMake(0, grid_.HeaderHeight, size.width, size.height - grid_.HeaderHeight));
    grid_.addSubview(state_.header);
  }
  state_.scroll->setDelegate(self_);
}

void DataGridBinder::resetCellLists() {
  state_.ColumnsCount = grid_.Columns.size();
  state_.arrCells.resize(state_.ColumnsCount);
  for (std::size_t k = 0; k < state_.ColumnsCount; ++k) {
    state_.arrCells[k] = std::make_shared<DataGridCellList>();
    // A shown column gets at most one cell per record; a hidden one gets none.
    if (const auto& column = grid_.Columns[k]; column && !column->isHidden())
      state_.arrCells[k]->reserve(state_.RowsCount);
  }
}

void DataGridBinder::handOverCells() {
  for (std::size_t c = 0; c < state_.ColumnsCount; ++c) {
    if (const auto& column = grid_.Columns[c]) column->Cells = state_.arrCells[c];
  }
}

void DataGridBinder::fitContent(CGFloat contentWidth) {
  const CGRect frame = grid_.frame();
  const CGFloat width = std::max(contentWidth, frame.size.width);
  CGFloat height =
      saturatedLength(static_cast<CGFloat>(state_.RowsCount) * rowPitch() + kContentBottomMargin);
  if (grid_.HeaderScrollHide) height = saturatedLength(height + grid_.HeaderHeight);
  state_.scroll->contentSize = CGSizeMake(width, height);
  grid_.setFrame(CGRectMake(frame.origin.x, frame.origin.y, width, frame.size.height));
}

CGFloat DataGridBinder::rowPitch() const {
  return saturatedLength(grid_.RowHeight + grid_.rowBorderHeight);
}

std::optional<std::string> fieldText(const Value& value) {
  if (value.isNull()) return std::nullopt;
  if (value.isString()) return value.string();
  return value.description();
}

std::shared_ptr<UIView> DataGridBinder::makeStrip(CGRect frame, const std::shared_ptr<UIColor>& color) {
  auto strip = std::make_shared<UIView>(frame);
  if (!isUnsetColor(color)) strip->setBackgroundColor(color);
  return strip;
}

}  // namespace tarnavel
