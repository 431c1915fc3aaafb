#include "tarnavel/grid/DataGridCells.h"

namespace tarnavel {

namespace {

// A cell's control fills the cell, at the cell's own origin.
CGRect controlFrameIn(const UIView& cell) {
  return CGRect{{0, 0}, cell.frame().size};
}

}  // namespace

DataGridCell::DataGridCell(CGRect frame) : UIView(frame) {}

DataGridCell::DataGridCell(const NSCoder& coder) : UIView(coder) {}

void DataGridCell::resetCellLook() {
  setBackgroundColor(nullptr);
  layer()->borderColor = nullptr;
  layer()->borderWidth = 0;
}

DataGridLabelCell::DataGridLabelCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridLabelCell::DataGridLabelCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridLabelCell::baseInit() {
  resetCellLook();
  textColor = nullptr;
  font = nullptr;
  label = std::make_shared<UILabel>(controlFrameIn(*this));
  label->setBackgroundColor(nullptr);
  label->setTextColor(nullptr);
  label->setFont(nullptr);
}

DataGridTextFieldCell::DataGridTextFieldCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridTextFieldCell::DataGridTextFieldCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridTextFieldCell::baseInit() {
  resetCellLook();
  textColor = nullptr;
  font = nullptr;
  textField = std::make_shared<UITextField>(controlFrameIn(*this));
  textField->text = "";
  textField->setBackgroundColor(nullptr);
  textField->textColor = nullptr;
  textField->font = nullptr;
}

DataGridTextViewCell::DataGridTextViewCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridTextViewCell::DataGridTextViewCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridTextViewCell::baseInit() {
  resetCellLook();
  textColor = nullptr;
  font = nullptr;
  textView = std::make_shared<UITextView>(controlFrameIn(*this));
  textView->text = "";
  textView->setBackgroundColor(nullptr);
  textView->textColor = nullptr;
  textView->font = nullptr;
}

DataGridButtonCell::DataGridButtonCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridButtonCell::DataGridButtonCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridButtonCell::baseInit() {
  resetCellLook();
  textColor = nullptr;
  font = nullptr;
  button = std::make_shared<UIButton>(controlFrameIn(*this));
  button->setTitle("", UIControlStateNormal);
  button->setBackgroundColor(nullptr);
  button->titleLabel()->setBackgroundColor(nullptr);
  button->titleLabel()->setTextColor(nullptr);
  button->titleLabel()->setFont(nullptr);
}

DataGridImageCell::DataGridImageCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridImageCell::DataGridImageCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridImageCell::baseInit() {
  resetCellLook();
  image = std::make_shared<UIImageView>(controlFrameIn(*this));
  image->setBackgroundColor(nullptr);
}

DataGridSwitchCell::DataGridSwitchCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridSwitchCell::DataGridSwitchCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridSwitchCell::baseInit() {
  resetCellLook();
  onTintColor = nullptr;
  textColor = nullptr;
  font = nullptr;
  Switch = std::make_shared<UISwitch>(controlFrameIn(*this));
  Switch->setBackgroundColor(nullptr);
}

DataGridSliderCell::DataGridSliderCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridSliderCell::DataGridSliderCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridSliderCell::baseInit() {
  resetCellLook();
  textColor = nullptr;
  font = nullptr;
  slider = std::make_shared<UISlider>(controlFrameIn(*this));
  slider->setBackgroundColor(nullptr);
}

DataGridDatePickerCell::DataGridDatePickerCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridDatePickerCell::DataGridDatePickerCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridDatePickerCell::baseInit() {
  resetCellLook();
  picker = std::make_shared<UIDatePicker>(controlFrameIn(*this));
}

DataGridPickerCell::DataGridPickerCell(CGRect frame) : DataGridCell(frame) {
  baseInit();
}
DataGridPickerCell::DataGridPickerCell(const NSCoder& coder) : DataGridCell(coder) {
  baseInit();
}

void DataGridPickerCell::baseInit() {
  resetCellLook();
  picker = std::make_shared<UIPickerView>(controlFrameIn(*this));
}

}  // namespace tarnavel
