// The label, image, button, text-field and text-view cells: value, inheritance from the cell and the
// column, template overrides, template copy, tap recognizer and wiring, in that order.
#include "tarnavel/grid/internal/CellTemplateCopy.h"
#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/grid/internal/GridMarkerTests.h"

namespace tarnavel {

namespace {

template <class Color>
const Color& ownOrColumn(const Color& own, const Color& column) {
  return own ? own : column;
}

Value textValue(const std::optional<std::string>& text) {
  return text ? Value(*text) : Value();
}

void applyTextEntryOptions(const DataGridTextFieldColumn& column, UITextField& control) {
  control.autocapitalizationType = column.autocapitalizationType;
  control.borderStyle = column.borderStyle;
  control.clearButtonMode = column.clearButtonMode;
  control.contentVerticalAlignment = column.contentVerticalAlignment;
  control.contentHorizontalAlignment = column.contentHorizontalAlignment;
  control.keyboardType = column.keyboardType;
  control.placeholder = column.placeholder;
  control.returnKeyType = column.returnKeyType;
  control.textAlignment = static_cast<NSTextAlignment>(column.TextAlignment);
}

void applyTextEntryOptions(const DataGridTextViewColumn& column, UITextView& control) {
  control.autocapitalizationType = column.autocapitalizationType;
  control.keyboardType = column.keyboardType;
  control.returnKeyType = column.returnKeyType;
  control.textAlignment = static_cast<NSTextAlignment>(column.TextAlignment);
}

// The template's text colour, font and background, each where it is set, onto a text-entry control.
template <class Control>
void applyTextTemplateLook(const Control& from, Control& to) {
  if (!isUnsetColor(from.textColor)) to.textColor = from.textColor;
  if (!isUnsetFont(from.font)) to.font = from.font;
  if (!isUnsetColor(from.backgroundColor())) to.setBackgroundColor(from.backgroundColor());
}

}  // namespace

void DataGridBinder::bindLabelCell(DataGridLabelColumn& column, const CellSlot& slot) {
  state_.cell = std::make_shared<DataGridLabelCell>(slot.frame);
  const std::shared_ptr<DataGridLabelCell> cell = state_.cell;
  UILabel& control = *cell->label;
  control.setText(fieldText(fieldValue(column, slot)));
  applyAlternatingBackground(*cell, control, slot);
  inheritColumnBackground(*cell, control, column);
  control.setTextColor(ownOrColumn(cell->textColor, column.textColor));
  control.setFont(ownOrColumn(cell->font, column.font));
  applyCellBorder(*cell, column);
  if (const auto& tmpl = column.cellTemplate) applyLabelTemplate(*tmpl, control);
  addCellTapRecognizer(control, slot, textValue(control.text()));
  finishCell(cell, cell->label, column, slot);
}

void DataGridBinder::bindImageCell(DataGridImageColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridImageCell>(slot.frame);
  UIImageView& control = *cell->image;
  const Value value = fieldValue(column, slot);
  const auto name = fieldText(value);
  control.image = name ? UIImage::imageNamed(*name) : nullptr;
  applyAlternatingBackground(*cell, control, slot);
  inheritColumnBackground(*cell, control, column);
  const auto& tmpl = column.cellTemplate;
  if (tmpl && !isUnsetColor(tmpl->backgroundColor())) control.setBackgroundColor(tmpl->backgroundColor());
  applyCellBorder(*cell, column);
  if (tmpl) copyCellTemplate(*tmpl, control);
  addCellTapRecognizer(control, slot, value);
  finishCell(cell, cell->image, column, slot);
}

void DataGridBinder::bindButtonCell(DataGridButtonColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridButtonCell>(slot.frame);
  UIButton& control = *cell->button;
  UILabel& title = *control.titleLabel();
  const Value value = fieldValue(column, slot);
  control.setTitle(fieldText(value), UIControlStateNormal);
  applyAlternatingBackground(*cell, control, slot);
  if (!cell->backgroundColor()) {
    control.setBackgroundColor(column.backgroundColor());
    title.setBackgroundColor(column.backgroundColor());
  }
  control.setTitleColor(ownOrColumn(cell->textColor, column.textColor), UIControlStateNormal);
  title.setFont(ownOrColumn(cell->font, column.font));
  const auto& tmpl = column.cellTemplate;
  if (tmpl) {
    const UILabel& tmplTitle = *tmpl->titleLabel();
    if (!isUnsetColor(tmplTitle.textColor()))
      control.setTitleColor(tmplTitle.textColor(), UIControlStateNormal);
    if (!isUnsetFont(tmplTitle.font())) title.setFont(tmplTitle.font());
    if (!isUnsetColor(tmpl->backgroundColor())) {
      control.setBackgroundColor(tmpl->backgroundColor());
      title.setBackgroundColor(tmpl->backgroundColor());
    }
  }
  applyCellBorder(*cell, column);
  if (tmpl) {
    applyTemplateLayer(*tmpl->layer(), *control.layer());
    copyCellTemplate(*tmpl, control);
  }
  addCellTapRecognizer(control, slot, value);
  finishCell(cell, cell->button, column, slot);
}

// Value, look and template of a text field or text view, up to its optional recognizer.
template <class Cell, class Control, class Column>
void DataGridBinder::bindTextEntry(Cell& cell, Control& control, const Column& column, const CellSlot& slot) {
  const Value value = fieldValue(column, slot);
  control.text = fieldText(value).value_or("");
  applyAlternatingBackground(cell, control, slot);
  inheritColumnBackground(cell, control, column);
  control.textColor = ownOrColumn(cell.textColor, column.textColor);
  control.font = ownOrColumn(cell.font, column.font);
  applyTextEntryOptions(column, control);
  const auto& tmpl = column.cellTemplate;
  if (tmpl) applyTextTemplateLook(*tmpl, control);
  applyCellBorder(cell, column);
  if (tmpl) {
    applyTemplateLayer(*tmpl->layer(), *control.layer());
    copyCellTemplate(*tmpl, control);
  }
  if (column.recognizeCellTapped) addCellTapRecognizer(control, slot, value);
}

void DataGridBinder::bindTextFieldCell(DataGridTextFieldColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridTextFieldCell>(slot.frame);
  UITextField& control = *cell->textField;
  bindTextEntry(*cell, control, column, slot);
  setControlCarriers(control, slot);
  if (self_) {
    control.addTarget(self_, "txtChanged:", &UIDataGrid::txtChanged, UIControlEventEditingChanged);
    control.addTarget(self_, "txtEditBegin:", &UIDataGrid::txtEditBegin, UIControlEventEditingDidBegin);
    control.addTarget(self_, "txtEditEnd:", &UIDataGrid::txtEditEnd, UIControlEventEditingDidEnd);
  }
  finishCell(cell, cell->textField, column, slot);
}

void DataGridBinder::bindTextViewCell(DataGridTextViewColumn& column, const CellSlot& slot) {
  const auto cell = std::make_shared<DataGridTextViewCell>(slot.frame);
  UITextView& control = *cell->textView;
  bindTextEntry(*cell, control, column, slot);
  if (self_) control.setDelegate(self_);
  setControlCarriers(control, slot);
  finishCell(cell, cell->textView, column, slot);
}

}  // namespace tarnavel
