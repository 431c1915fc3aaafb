// Where a control of the column's cellSize sits in its cell: at the column's offsets, else at its anchor.
#include "tarnavel/grid/UIDataGrid.h"

namespace tarnavel {

namespace {

enum class Edge { Start, Middle, End };

struct Anchor {
  Edge horizontal;
  Edge vertical;
};

// Indexed by DataGridCellLayoutPosition.
constexpr Anchor kAnchors[] = {
    {Edge::Middle, Edge::Middle},  // centre
    {Edge::Start, Edge::Start},    // top left
    {Edge::Middle, Edge::Start},   // top centre
    {Edge::End, Edge::Start},      // top right
    {Edge::Start, Edge::Middle},   // middle left
    {Edge::Start, Edge::End},      // bottom left
    {Edge::Middle, Edge::End},     // bottom centre
    {Edge::End, Edge::End},        // bottom right
    {Edge::End, Edge::Middle},     // middle right
};

constexpr std::size_t kAnchorCount = sizeof(kAnchors) / sizeof(kAnchors[0]);

CGFloat offsetAlong(Edge edge, CGFloat cellLength, CGFloat controlLength) {
  switch (edge) {
    case Edge::Start:
      return 0;
    case Edge::Middle:
      return cellLength / 2 - controlLength / 2;
    case Edge::End:
      return cellLength - controlLength;
  }
  return 0;
}

CGPoint anchorOffset(const Anchor& anchor, CGSize cell, CGSize control) {
  return {offsetAlong(anchor.horizontal, cell.width, control.width),
          offsetAlong(anchor.vertical, cell.height, control.height)};
}

// An anchor outside the enumeration has no place of its own: it centres the control, in both operations,
// so that every kind of cell puts it in the same place.
std::size_t anchorIndex(const DataGridColumn& column) {
  return column.cellLayoutPosition < kAnchorCount ? std::size_t{column.cellLayoutPosition} : 0;
}

bool hasStoredOffsets(const DataGridColumn& column) {
  return column.cellLayoutPositionX != 0 || column.cellLayoutPositionY != 0;
}

}  // namespace

CGRect UIDataGrid::cellLayoutFrame(const DataGridColumn& column, CGRect origFrame) const {
  const CGSize size = column.cellSize;
  if (hasStoredOffsets(column)) {
    return {
        {origFrame.origin.x + column.cellLayoutPositionX, origFrame.origin.y + column.cellLayoutPositionY},
        size};
  }
  const CGPoint offset = anchorOffset(kAnchors[anchorIndex(column)], origFrame.size, size);
  return {{origFrame.origin.x + offset.x, origFrame.origin.y + offset.y}, size};
}

void UIDataGrid::cellLayoutPosition(DataGridColumn& column, CGRect origFrame) const {
  if (hasStoredOffsets(column)) return;
  const CGPoint offset = anchorOffset(kAnchors[anchorIndex(column)], origFrame.size, column.cellSize);
  column.cellLayoutPositionX = offset.x;
  column.cellLayoutPositionY = offset.y;
}

}  // namespace tarnavel
