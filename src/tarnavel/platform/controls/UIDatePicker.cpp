#include "tarnavel/platform/controls/UIDatePicker.h"

#include "tarnavel/platform/internal/DatePickerWheels.h"

namespace tarnavel {

UIDatePicker::UIDatePicker(CGRect frame) : UIControl(CGRect{frame.origin, kNaturalSize}) {}

UIDatePicker::UIDatePicker(const NSCoder& coder) : UIControl(coder) {
  setFrame({frame().origin, kNaturalSize});
}

void UIDatePicker::drawContent(CGContext& context) const {
  drawPickerFace(context, bounds(), datePickerWheels(datePickerMode, date_));
}

}  // namespace tarnavel
