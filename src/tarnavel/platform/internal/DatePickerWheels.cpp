#include "tarnavel/platform/internal/DatePickerWheels.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>

#include <chrono>
#include <memory>
#include <string>

namespace tarnavel {

namespace {

/// A wheel turning one calendar field, shown in a date pattern, between two edges of the 320-wide picker.
struct WheelSpec {
  CGFloat start;
  CGFloat end;
  UCalendarDateFields field;
  const char* pattern;
  NSTextAlignment alignment;
  // True moves the whole date (a day wheel that changes the month too); false turns the field alone.
  bool moves = false;
};

constexpr CGFloat kWidth = 320;

std::vector<WheelSpec> specsFor(UIDatePickerMode mode) {
  switch (mode) {
    case UIDatePickerModeDate:
      return {{0, 150, UCAL_MONTH, "MMMM", NSTextAlignment::Right},
              {150, 200, UCAL_DATE, "d", NSTextAlignment::Center},
              {200, 320, UCAL_YEAR, "y", NSTextAlignment::Left}};
    case UIDatePickerModeTime:
      return {{0, 120, UCAL_HOUR, "h", NSTextAlignment::Right},
              {120, 177, UCAL_MINUTE, "mm", NSTextAlignment::Center},
              {177, 320, UCAL_AM_PM, "a", NSTextAlignment::Left}};
    case UIDatePickerModeDateAndTime:
      return {{0, 140, UCAL_DATE, "EEE MMM d", NSTextAlignment::Right, true},
              {140, 180, UCAL_HOUR, "h", NSTextAlignment::Center},
              {180, 240, UCAL_MINUTE, "mm", NSTextAlignment::Center},
              {240, 320, UCAL_AM_PM, "a", NSTextAlignment::Left}};
    case UIDatePickerModeCountDownTimer:
      return {{0, 140, UCAL_HOUR_OF_DAY, "H 'hours'", NSTextAlignment::Right},
              {140, 320, UCAL_MINUTE, "m 'min'", NSTextAlignment::Left}};
  }
  return {};
}

std::string formatted(const icu::Calendar& calendar, const char* pattern) {
  UErrorCode status = U_ZERO_ERROR;
  icu::SimpleDateFormat format(icu::UnicodeString(pattern, -1, US_INV), icu::Locale("en_US_POSIX"), status);
  if (U_FAILURE(status)) return "";
  icu::UnicodeString text;
  format.format(calendar.getTime(status), text);
  std::string out;
  text.toUTF8String(out);
  return U_SUCCESS(status) ? out : "";
}

std::vector<std::string> wheelRows(const icu::Calendar& calendar, const WheelSpec& spec) {
  std::vector<std::string> rows;
  for (int offset = -kPickerVisibleRows / 2; offset <= kPickerVisibleRows / 2; ++offset) {
    // A wheel of two values (AM and PM) shows each once.
    if (spec.field == UCAL_AM_PM && offset != 0 && offset != 1) {
      rows.emplace_back();
      continue;
    }
    std::unique_ptr<icu::Calendar> turned(calendar.clone());
    UErrorCode status = U_ZERO_ERROR;
    if (spec.moves) {
      turned->add(spec.field, offset, status);
    } else {
      turned->roll(spec.field, offset, status);
    }
    rows.push_back(U_SUCCESS(status) ? formatted(*turned, spec.pattern) : "");
  }
  return rows;
}

}  // namespace

std::vector<PickerWheel> datePickerWheels(UIDatePickerMode mode, const NSDate& date) {
  const std::vector<WheelSpec> specs = specsFor(mode);
  if (specs.empty()) return {PickerWheel{}};
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(icu::Locale("en_US_POSIX"), status));
  if (U_FAILURE(status) || !calendar) return {PickerWheel{}};
  const double milliseconds =
      std::chrono::duration<double, std::milli>(date.timePoint().time_since_epoch()).count();
  calendar->setTime(milliseconds, status);
  std::vector<PickerWheel> wheels;
  for (const WheelSpec& spec : specs) {
    wheels.push_back({spec.start / kWidth, spec.end / kWidth,
                      U_SUCCESS(status) ? wheelRows(*calendar, spec) : std::vector<std::string>{},
                      spec.alignment});
  }
  return wheels;
}

}  // namespace tarnavel
