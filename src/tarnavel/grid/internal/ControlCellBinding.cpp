// The date-picker, picker, slider and switch cells. Their controls keep their natural size and are scaled
// into the cell; each kind runs its steps in its own order, so that a later step (a template bound, the
// template's mode) wins over an earlier one.
#include "tarnavel/grid/internal/CellTemplateCopy.h"
#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/grid/internal/GridMarkerTests.h"

namespace tarnavel {

namespace {

// The date picker the divider positions are measured on.
constexpr CGSize kReferenceDatePicker{320, 216};

// The scale from the reference date picker to one of `natural` size shown at `scale`.
CGSize referenceScale(CGSize scale, CGSize natural) {
  return {scale.width * natural.width / kReferenceDatePicker.width,
          scale.height * natural.height / kReferenceDatePicker.height};
}

// A template bound replaces the slider's when the host set it, which the value its setter was given tells:
// a minimum set alone raises the template's unset maximum to meet it, and that maximum was never set.
void applySliderTemplateBounds(const UISlider& tmpl, UISlider& control) {
  if (tmpl.givenMinimumValue() != kDataGridUnsetSliderBound) control.setMinimumValue(tmpl.minimumValue());
  if (tmpl.givenMaximumValue() != kDataGridUnsetSliderBound) control.setMaximumValue(tmpl.maximumValue());
}

}  // namespace

void DataGridBinder::bindDatePickerCell(DataGridDatePickerColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridDatePickerCell>(slot.frame);
  UIDatePicker& control = *cell->picker;
  const CGSize natural = control.bounds().size;
  const CGSize scale = scaleAndCentreControl(control, column, slot);
  const Value field = fieldValue(column, slot);
  if (const auto date = dateOfField(field, column.dateFormat)) control.setDate(*date);
  control.datePickerMode = column.datePickerMode;
  applyAlternatingBackground(*cell, control, slot);
  const auto& tmpl = column.cellTemplate;
  if (tmpl && tmpl->datePickerMode != column.datePickerMode) control.datePickerMode = tmpl->datePickerMode;
  applyCellBorder(*cell, column);
  if (tmpl) copyCellTemplate(*tmpl, control);
  addCellTapRecognizer(control, slot, field);
  setControlCarriers(control, slot);
  control.setAccessibilityIdentifier(column.dateFormat);
  if (self_) {
    control.addTarget(self_, "datePkrChanged:", &UIDataGrid::datePkrChanged, UIControlEventValueChanged);
    control.addTarget(self_, "datePkrEditBegin:", &UIDataGrid::datePkrEditBegin,
                      UIControlEventEditingDidBegin);
    control.addTarget(self_, "datePkrEditEnd:", &UIDataGrid::datePkrEditEnd, UIControlEventEditingDidEnd);
  }
  cell->addSubview(cell->picker);
  state_.scroll->addSubview(cell);
  addPickerFrame(*cell, control, column.pickerFrameColor);
  addDatePickerDividers(*cell, control, column.pickerFrameColor, referenceScale(scale, natural));
  state_.arrCells[slot.column]->push_back(cell);
}

void DataGridBinder::bindPickerCell(DataGridPickerColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridPickerCell>(slot.frame);
  UIPickerView& control = *cell->picker;
  scaleAndCentreControl(control, column, slot);
  applyAlternatingBackground(*cell, control, slot);
  applyCellBorder(*cell, column);
  if (column.cellTemplate) copyCellTemplate(*column.cellTemplate, control);
  const Value field = fieldValue(column, slot);
  addCellTapRecognizer(control, slot, field);
  if (self_) {
    control.setDelegate(self_);
    control.setDataSource(self_);
  }
  setControlCarriers(control, slot);
  control.selectRow(pickerRowOf(column.pickerDataSource, field), 0, false);
  cell->addSubview(cell->picker);
  state_.scroll->addSubview(cell);
  addPickerFrame(*cell, control, column.pickerFrameColor);
  state_.arrCells[slot.column]->push_back(cell);
}

void DataGridBinder::bindSliderCell(DataGridSliderColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridSliderCell>(slot.frame);
  UISlider& control = *cell->slider;
  control.setMinimumValue(column.minimumValue);
  control.setMaximumValue(column.maximumValue);
  const Value field = fieldValue(column, slot);
  control.setValue(field.floatValue());
  applyAlternatingBackground(*cell, control, slot);
  inheritColumnBackground(*cell, control, column);
  scaleAndCentreControl(control, column, slot);
  const auto& tmpl = column.cellTemplate;
  if (tmpl) {
    if (!isUnsetColor(tmpl->backgroundColor())) control.setBackgroundColor(tmpl->backgroundColor());
    // The slider keeps its value within the new bounds; the field is not given again.
    applySliderTemplateBounds(*tmpl, control);
  }
  applySliderStyleCellBorder(*cell, column);
  if (tmpl) {
    applyTemplateLayer(*tmpl->layer(), *control.layer());
    copyCellTemplate(*tmpl, control);
  }
  addCellTapRecognizer(control, slot, field);
  setControlCarriers(control, slot);
  if (self_) control.addTarget(self_, "sldrChanged:", &UIDataGrid::sldrChanged, UIControlEventValueChanged);
  addCellAsIs(cell, cell->slider, slot);
}

void DataGridBinder::bindSwitchCell(DataGridSwitchColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridSwitchCell>(slot.frame);
  UISwitch& control = *cell->Switch;
  const Value field = fieldValue(column, slot);
  control.on = switchFieldIsOn(field);
  applyAlternatingBackground(*cell, control, slot);
  inheritColumnBackground(*cell, control, column);
  if (!cell->onTintColor) control.onTintColor = column.onTintColor;
  scaleAndCentreControl(control, column, slot);
  const auto& tmpl = column.cellTemplate;
  if (tmpl) {
    if (!isUnsetColor(tmpl->backgroundColor())) control.setBackgroundColor(tmpl->backgroundColor());
    if (!isUnsetColor(tmpl->onTintColor)) control.onTintColor = tmpl->onTintColor;
  }
  applySliderStyleCellBorder(*cell, column);
  if (tmpl) {
    applyTemplateLayer(*tmpl->layer(), *control.layer());
    copyCellTemplate(*tmpl, control);
  }
  addCellTapRecognizer(control, slot, field);
  setControlCarriers(control, slot);
  if (self_) control.addTarget(self_, "SwhChanged:", &UIDataGrid::SwhChanged, UIControlEventValueChanged);
  addCellAsIs(cell, cell->Switch, slot);
}

}  // namespace tarnavel
