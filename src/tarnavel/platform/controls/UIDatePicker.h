#pragma once

#include <optional>
#include <string>

#include "tarnavel/platform/controls/UIControl.h"
#include "tarnavel/platform/foundation/NSDate.h"

namespace tarnavel {

/// What a date picker lets the user pick.
enum UIDatePickerMode : NSInteger {
  UIDatePickerModeTime = 0,
  UIDatePickerModeDate = 1,
  UIDatePickerModeDateAndTime = 2,
  UIDatePickerModeCountDownTimer = 3,
};

/// A date picker of fixed size: made with a frame, it keeps the frame's origin and takes its natural size.
/// It shows the date it was made with (the time of making) until given another. Setting the date or the
/// mode from code sends nothing; `spinToDate`, `beginEditing` and `endEditing` act as a person does.
class UIDatePicker : public UIControl {
 public:
  static constexpr CGSize kNaturalSize{320, 216};

  UIDatePicker() : UIDatePicker(CGRectZero) {}
  explicit UIDatePicker(CGRect frame);
  explicit UIDatePicker(const NSCoder& coder);

  const NSDate& date() const { return date_; }
  void setDate(const NSDate& date) { date_ = date; }

  UIDatePickerMode datePickerMode = UIDatePickerModeDateAndTime;
  // Calendar, locale and time-zone identifiers, the date range and the minute step, kept as given: the
  // picker shows its date in the process's time zone with the Gregorian calendar.
  std::optional<std::string> calendar;
  std::optional<std::string> locale;
  std::optional<std::string> timeZone;
  std::optional<NSDate> minimumDate;
  std::optional<NSDate> maximumDate;
  NSInteger minuteInterval = 1;

  /// Spins the wheels to `date`, limited to minimumDate and maximumDate, and sends ValueChanged when the
  /// date changed. A disabled picker, or one that takes no touches, does not turn.
  void spinToDate(const NSDate& date);
  bool isEditing() const { return editing_; }
  /// Opens the picker for editing (EditingDidBegin) when it is not open and takes touches.
  void beginEditing();
  /// Closes it (EditingDidEnd) when it is open.
  void endEditing();

  void drawContent(CGContext& context) const override;

 private:
  NSDate date_;
  bool editing_ = false;
};

}  // namespace tarnavel
