#include "tarnavel/platform/controls/UIDatePicker.h"

#include "tarnavel/platform/controls/PickerFace.h"

namespace tarnavel {

namespace {

int wheelsOf(UIDatePickerMode mode) {
  switch (mode) {
    case UIDatePickerModeTime:
      return 3;  // hour, minute, AM/PM
    case UIDatePickerModeDate:
      return 3;  // month, day, year
    case UIDatePickerModeDateAndTime:
      return 4;
    case UIDatePickerModeCountDownTimer:
      return 2;
  }
  return 1;
}

}  // namespace

UIDatePicker::UIDatePicker(CGRect frame) : UIControl(CGRect{frame.origin, kNaturalSize}) {}

UIDatePicker::UIDatePicker(const NSCoder& coder) : UIControl(coder) {
  setFrame({frame().origin, kNaturalSize});
}

void UIDatePicker::drawContent(CGContext& context) const {
  drawPickerFace(context, bounds(), wheelsOf(datePickerMode));
}

}  // namespace tarnavel
