#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tarnavel/platform/controls/UIButton.h"
#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/controls/UITextView.h"
#include "tarnavel/platform/views/UIImageView.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {

// The cell views a bind makes, one per record and visible column. Each cell makes its control at its own
// size, (0, 0, width, height), without adding it as a subview: the bind styles, places and adds it. `ID` and
// `str` are the host's; nothing in the grid reads them. A null cell colour or font means "the column's".

/// What every cell kind has.
class DataGridCell : public UIView {
 public:
  NSInteger ID = 0;

 protected:
  explicit DataGridCell(CGRect frame);
  explicit DataGridCell(const NSCoder& coder);
  void resetCellLook();
};

using DataGridCellList = std::vector<std::shared_ptr<DataGridCell>>;

class DataGridLabelCell : public DataGridCell {
 public:
  explicit DataGridLabelCell(CGRect frame = CGRectZero);
  explicit DataGridLabelCell(const NSCoder& coder);

  std::shared_ptr<UIColor> textColor;
  std::shared_ptr<UIFont> font;
  std::shared_ptr<UILabel> label;
  std::optional<std::string> str;

 private:
  void baseInit();
};

class DataGridTextFieldCell : public DataGridCell {
 public:
  explicit DataGridTextFieldCell(CGRect frame = CGRectZero);
  explicit DataGridTextFieldCell(const NSCoder& coder);

  std::shared_ptr<UIColor> textColor;
  std::shared_ptr<UIFont> font;
  std::shared_ptr<UITextField> textField;
  std::optional<std::string> str;

 private:
  void baseInit();
};

class DataGridTextViewCell : public DataGridCell {
 public:
  explicit DataGridTextViewCell(CGRect frame = CGRectZero);
  explicit DataGridTextViewCell(const NSCoder& coder);

  std::shared_ptr<UIColor> textColor;
  std::shared_ptr<UIFont> font;
  std::shared_ptr<UITextView> textView;
  std::optional<std::string> str;

 private:
  void baseInit();
};

class DataGridButtonCell : public DataGridCell {
 public:
  explicit DataGridButtonCell(CGRect frame = CGRectZero);
  explicit DataGridButtonCell(const NSCoder& coder);

  std::shared_ptr<UIColor> textColor;
  std::shared_ptr<UIFont> font;
  std::shared_ptr<UIButton> button;
  std::optional<std::string> str;

 private:
  void baseInit();
};

class DataGridImageCell : public DataGridCell {
 public:
  explicit DataGridImageCell(CGRect frame = CGRectZero);
  explicit DataGridImageCell(const NSCoder& coder);

  std::shared_ptr<UIImageView> image;

 private:
  void baseInit();
};

class DataGridSwitchCell : public DataGridCell {
 public:
  explicit DataGridSwitchCell(CGRect frame = CGRectZero);
  explicit DataGridSwitchCell(const NSCoder& coder);

  std::shared_ptr<UIColor> textColor;
  std::shared_ptr<UIColor> onTintColor;
  std::shared_ptr<UIFont> font;
  std::shared_ptr<UISwitch> Switch;
  std::optional<std::string> str;

 private:
  void baseInit();
};

class DataGridSliderCell : public DataGridCell {
 public:
  explicit DataGridSliderCell(CGRect frame = CGRectZero);
  explicit DataGridSliderCell(const NSCoder& coder);

  std::shared_ptr<UIColor> textColor;
  std::shared_ptr<UIFont> font;
  std::shared_ptr<UISlider> slider;
  std::optional<std::string> str;

 private:
  void baseInit();
};

class DataGridDatePickerCell : public DataGridCell {
 public:
  explicit DataGridDatePickerCell(CGRect frame = CGRectZero);
  explicit DataGridDatePickerCell(const NSCoder& coder);

  std::shared_ptr<UIDatePicker> picker;
  std::optional<std::string> str;

 private:
  void baseInit();
};

class DataGridPickerCell : public DataGridCell {
 public:
  explicit DataGridPickerCell(CGRect frame = CGRectZero);
  explicit DataGridPickerCell(const NSCoder& coder);

  std::shared_ptr<UIPickerView> picker;
  std::optional<std::string> str;

 private:
  void baseInit();
};

}  // namespace tarnavel
