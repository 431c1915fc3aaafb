#include "tarnavel/grid/DataGridColumns.h"

namespace tarnavel {

namespace {

// The template's layer border and corner, each at its not-set value.
void unsetTemplateLayer(CALayer& layer) {
  layer.cornerRadius = 0;
  layer.borderColor = kDataGridUnsetColor()->CGColor();
  layer.borderWidth = 0;
}

void unsetLabelLook(UILabel& label) {
  label.setBackgroundColor(kDataGridUnsetColor());
  label.setTextColor(kDataGridUnsetColor());
  label.setFont(kDataGridUnsetFont());
}

template <class TextControl>
void unsetTextControlLook(TextControl& control) {
  control.setBackgroundColor(kDataGridUnsetColor());
  control.textColor = kDataGridUnsetColor();
  control.font = kDataGridUnsetFont();
  unsetTemplateLayer(*control.layer());
}

}  // namespace

DataGridColumn::DataGridColumn(CGRect frame, OwnBackground background) : UIView(frame) {
  baseInit(background);
}
DataGridColumn::DataGridColumn(const NSCoder& coder, OwnBackground background) : UIView(coder) {
  baseInit(background);
}

void DataGridColumn::baseInit(OwnBackground background) {
  if (background == OwnBackground::Unset) setBackgroundColor(kDataGridUnsetColor());
  header = std::make_shared<UILabel>(frame());
}

DataGridLabelColumn::DataGridLabelColumn(CGRect frame) : DataGridColumn(frame) {
  baseInit();
}
DataGridLabelColumn::DataGridLabelColumn(const NSCoder& coder) : DataGridColumn(coder) {
  baseInit();
}

void DataGridLabelColumn::baseInit() {
  cellTemplate = std::make_shared<UILabel>(frame());
  unsetLabelLook(*cellTemplate);
}

DataGridTextFieldColumn::DataGridTextFieldColumn(CGRect frame) : DataGridColumn(frame) {
  baseInit();
}
DataGridTextFieldColumn::DataGridTextFieldColumn(const NSCoder& coder) : DataGridColumn(coder) {
  baseInit();
}

void DataGridTextFieldColumn::baseInit() {
  cellTemplate = std::make_shared<UITextField>(frame());
  unsetTextControlLook(*cellTemplate);
}

DataGridTextViewColumn::DataGridTextViewColumn(CGRect frame) : DataGridColumn(frame) {
  baseInit();
}
DataGridTextViewColumn::DataGridTextViewColumn(const NSCoder& coder) : DataGridColumn(coder) {
  baseInit();
}

void DataGridTextViewColumn::baseInit() {
  cellTemplate = std::make_shared<UITextView>(frame());
  unsetTextControlLook(*cellTemplate);
}

DataGridButtonColumn::DataGridButtonColumn(CGRect frame) : DataGridColumn(frame) {
  baseInit();
}
DataGridButtonColumn::DataGridButtonColumn(const NSCoder& coder) : DataGridColumn(coder) {
  baseInit();
}

void DataGridButtonColumn::baseInit() {
  cellTemplate = std::make_shared<UIButton>(frame());
  cellTemplate->setBackgroundColor(kDataGridUnsetColor());
  unsetLabelLook(*cellTemplate->titleLabel());
  unsetTemplateLayer(*cellTemplate->layer());
}

DataGridImageColumn::DataGridImageColumn(CGRect frame) : DataGridColumn(frame) {
  baseInit();
}
DataGridImageColumn::DataGridImageColumn(const NSCoder& coder) : DataGridColumn(coder) {
  baseInit();
}

void DataGridImageColumn::baseInit() {
  cellTemplate = std::make_shared<UIImageView>(frame());
  cellTemplate->setBackgroundColor(kDataGridUnsetColor());
}

DataGridSwitchColumn::DataGridSwitchColumn(CGRect frame) : DataGridColumn(frame) {
  baseInit();
}
DataGridSwitchColumn::DataGridSwitchColumn(const NSCoder& coder) : DataGridColumn(coder) {
  baseInit();
}

void DataGridSwitchColumn::baseInit() {
  cellTemplate = std::make_shared<UISwitch>(frame());
  cellTemplate->setBackgroundColor(kDataGridUnsetColor());
  cellTemplate->onTintColor = kDataGridUnsetColor();
}

DataGridSliderColumn::DataGridSliderColumn(CGRect frame) : DataGridColumn(frame) {
  baseInit();
}
DataGridSliderColumn::DataGridSliderColumn(const NSCoder& coder) : DataGridColumn(coder) {
  baseInit();
}

void DataGridSliderColumn::baseInit() {
  cellTemplate = std::make_shared<UISlider>(frame());
  cellTemplate->setBackgroundColor(kDataGridUnsetColor());
  unsetTemplateLayer(*cellTemplate->layer());
  cellTemplate->setMinimumValue(kDataGridUnsetSliderBound);
  cellTemplate->setMaximumValue(kDataGridUnsetSliderBound);
  borderWidth = kDataGridUnsetSliderBorderWidth;
}

DataGridDatePickerColumn::DataGridDatePickerColumn(CGRect frame)
    : DataGridColumn(frame, OwnBackground::AsInitialised) {
  baseInit();
}
DataGridDatePickerColumn::DataGridDatePickerColumn(const NSCoder& coder)
    : DataGridColumn(coder, OwnBackground::AsInitialised) {
  baseInit();
}

void DataGridDatePickerColumn::baseInit() {
  textColor = nullptr;
  cellTemplate = std::make_shared<UIDatePicker>(frame());
  cellTemplate->datePickerMode = UIDatePickerModeDate;
}

DataGridPickerColumn::DataGridPickerColumn(CGRect frame)
    : DataGridColumn(frame, OwnBackground::AsInitialised) {
  baseInit();
}
DataGridPickerColumn::DataGridPickerColumn(const NSCoder& coder)
    : DataGridColumn(coder, OwnBackground::AsInitialised) {
  baseInit();
}

void DataGridPickerColumn::baseInit() {
  textColor = nullptr;
  cellTemplate = std::make_shared<UIPickerView>(frame());
  cellLabelTemplate = std::make_shared<UILabel>(frame());
  unsetLabelLook(*cellLabelTemplate);
  font = kDataGridUnsetFont();
}

}  // namespace tarnavel
