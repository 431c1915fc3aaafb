// The control kinds keep their natural size: a transform scales each to its cell, or to the column's
// cellSize, and its centre places it.
#include "tarnavel/grid/internal/DataGridBinder.h"

namespace tarnavel {

CGSize DataGridBinder::scaleAndCentreControl(UIView& control, DataGridColumn& column,
                                             const CellSlot& slot) const {
  const CGSize natural = control.bounds().size;
  const CGPoint cellMiddle{slot.frame.size.width / 2, slot.frame.size.height / 2};
  // A control without a width or a height has no scale that fits it to the cell: it stays unscaled, in
  // the middle of its cell.
  if (natural.width == 0 || natural.height == 0) {
    control.setTransform(CGAffineTransformIdentity);
    control.setCenter(cellMiddle);
    return {1, 1};
  }
  const CGSize cellSize = column.cellSize;
  if (cellSize.width == 0 || cellSize.height == 0) {
    const CGSize scale{column.Width / natural.width, grid_.RowHeight / natural.height};
    control.setTransform(CGAffineTransformMakeScale(scale.width, scale.height));
    control.setCenter(cellMiddle);
    return scale;
  }
  const CGSize scale{cellSize.width / natural.width, cellSize.height / natural.height};
  grid_.cellLayoutPosition(column, slot.frame);
  const CGPoint origin = control.frame().origin;  // before the transform moves it
  control.setTransform(CGAffineTransformMakeScale(scale.width, scale.height));
  control.setCenter({cellSize.width * 0.5 + origin.x + column.cellLayoutPositionX,
                     cellSize.height * 0.5 + origin.y + column.cellLayoutPositionY});
  return scale;
}

}  // namespace tarnavel
