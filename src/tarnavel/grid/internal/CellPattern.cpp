// The steps every cell kind shares: backgrounds, the cell border, the tap recognizer with its carriers,
// placement, and adding the cell.
#include "tarnavel/grid/internal/Carriers.h"
#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/grid/internal/GridMarkerTests.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {
constexpr const char* kCellTapAction = "tappedCell:";
}

Value fieldValue(const DataGridColumn& column, const CellSlot& slot) {
  return slot.record.at(column.dataFieldIndex);
}

void inheritColumnBackground(const UIView& cell, UIView& control, const DataGridColumn& column) {
  // An odd row's cell already holds the alternating colour, which the control keeps.
  if (!cell.backgroundColor()) control.setBackgroundColor(column.backgroundColor());
}

void applyTemplateLayer(const CALayer& templateLayer, CALayer& controlLayer) {
  if (templateLayer.cornerRadius != 0) controlLayer.cornerRadius = templateLayer.cornerRadius;
  if (!isUnsetLayerColor(templateLayer.borderColor)) controlLayer.borderColor = templateLayer.borderColor;
  if (templateLayer.borderWidth != 0) controlLayer.borderWidth = templateLayer.borderWidth;
}

void setControlCarriers(UIView& control, const CellSlot& slot) {
  control.setAccessibilityHint(carrierText(slot.row));
  control.setAccessibilityLabel(carrierText(slot.column));
}

void DataGridBinder::applyAlternatingBackground(UIView& cell, UIView& control, const CellSlot& slot) const {
  if (!slot.isOddRow() || isUnsetColor(grid_.alternatingBackgroundColor)) return;
  // The alternating colour is the one cell step a bind may skip and go on.
  runProtected([&] {
    cell.setBackgroundColor(grid_.alternatingBackgroundColor);
    control.setBackgroundColor(grid_.alternatingBackgroundColor);
  });
}

void DataGridBinder::applyCellBorder(UIView& cell, const DataGridColumn& column) const {
  CALayer& layer = *cell.layer();
  if (!layer.borderColor)
    layer.borderColor = layerColorOf(colorOrFallback(column.borderColor, grid_.cellBorderColor));
  if (layer.borderWidth == 0)
    layer.borderWidth = column.borderWidth != 0 ? column.borderWidth : grid_.cellBorderWidth;
}

void DataGridBinder::applySliderStyleCellBorder(UIView& cell, const DataGridColumn& column) const {
  CALayer& layer = *cell.layer();
  if (!layer.borderColor)
    layer.borderColor = layerColorOf(colorOrFallback(column.borderColor, grid_.cellBorderColor));
  if (layer.borderWidth == 0) {
    const bool unset = column.borderWidth == static_cast<CGFloat>(kDataGridUnsetSliderBorderWidth);
    layer.borderWidth = unset ? grid_.cellBorderWidth : column.borderWidth;
  }
}

void DataGridBinder::addCellTapRecognizer(UIView& control, const CellSlot& slot, Value value) {
  if (!self_) return;  // a grid no shared pointer holds cannot be a recognizer's target
  auto tap = std::make_shared<UITapGestureRecognizer>(self_, kCellTapAction, &UIDataGrid::tappedCell);
  tap->accessibilityHint = carrierText(slot.row);
  tap->accessibilityLabel = carrierText(slot.column);
  tap->accessibilityValue = std::move(value);
  tap->numberOfTapsRequired = 1;
  control.userInteractionEnabled = true;
  control.addGestureRecognizer(std::move(tap));
}

void DataGridBinder::finishCell(const std::shared_ptr<DataGridCell>& cell,
                                const std::shared_ptr<UIView>& control, const DataGridColumn& column,
                                const CellSlot& slot) {
  if (column.cellSize.width != 0 && column.cellSize.height != 0) {
    control->setFrame(grid_.cellLayoutFrame(column, control->frame()));
  }
  addCellAsIs(cell, control, slot);
}

void DataGridBinder::addCellAsIs(const std::shared_ptr<DataGridCell>& cell,
                                 const std::shared_ptr<UIView>& control, const CellSlot& slot) {
  cell->addSubview(control);
  state_.scroll->addSubview(cell);
  state_.arrCells[slot.column]->push_back(cell);
}

}  // namespace tarnavel
