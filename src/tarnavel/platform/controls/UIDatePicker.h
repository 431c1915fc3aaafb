#pragma once

#include "tarnavel/platform/controls/UIControl.h"

namespace tarnavel {

/// What a date picker lets the user pick.
enum UIDatePickerMode : NSInteger {
  UIDatePickerModeTime = 0,
  UIDatePickerModeDate = 1,
  UIDatePickerModeDateAndTime = 2,
  UIDatePickerModeCountDownTimer = 3,
};

/// A date picker of fixed size: made with a frame, it keeps the frame's origin and takes its natural size.
class UIDatePicker : public UIControl {
 public:
  static constexpr CGSize kNaturalSize{320, 216};

  UIDatePicker() : UIDatePicker(CGRectZero) {}
  explicit UIDatePicker(CGRect frame);
  explicit UIDatePicker(const NSCoder& coder);

  UIDatePickerMode datePickerMode = UIDatePickerModeDateAndTime;

  void drawContent(CGContext& context) const override;
};

}  // namespace tarnavel
