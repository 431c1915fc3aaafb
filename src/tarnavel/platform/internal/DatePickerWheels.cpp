#include "tarnavel/platform/internal/DatePickerWheels.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>

#include <memory>
#include <string>

#include "tarnavel/platform/internal/ICUTime.h"

namespace tarnavel {

namespace {

/// A wheel turning one calendar field, shown in a date pattern, between two edges of the 320-wide picker.
struct WheelLayout {
  CGFloat start;
  CGFloat end;
  UCalendarDateFields field;
  const char* pattern;
  NSTextAlignment alignment;
  // True moves the whole date (a day wheel that changes the month too); false turns the field alone.
  bool moves = false;
};

constexpr CGFloat kWidth = 320;

std::vector<WheelLayout> layoutsFor(UIDatePickerMode mode) {
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

std::string formatted(const icu::SimpleDateFormat& format, const icu::Calendar& calendar) {
  UErrorCode status = U_ZERO_ERROR;
  const UDate time = calendar.getTime(status);
  if (U_FAILURE(status)) return "";
  icu::UnicodeString text;
  format.format(time, text);
  std::string out;
  text.toUTF8String(out);
  return out;
}

std::vector<std::string> wheelRows(const icu::Calendar& calendar, const WheelLayout& layout) {
  UErrorCode formatStatus = U_ZERO_ERROR;
  const icu::SimpleDateFormat format(icu::UnicodeString(layout.pattern, -1, US_INV),
                                     icu::Locale("en_US_POSIX"), formatStatus);
  if (U_FAILURE(formatStatus)) return {};
  std::vector<std::string> rows;
  for (int offset = -kPickerVisibleRows / 2; offset <= kPickerVisibleRows / 2; ++offset) {
    // A wheel of two values (AM and PM) shows each once.
    if (layout.field == UCAL_AM_PM && offset != 0 && offset != 1) {
      rows.emplace_back();
      continue;
    }
    std::unique_ptr<icu::Calendar> turned(calendar.clone());
    UErrorCode status = U_ZERO_ERROR;
    if (layout.moves) {
      turned->add(layout.field, offset, status);
    } else {
      turned->roll(layout.field, offset, status);
    }
    rows.push_back(U_SUCCESS(status) ? formatted(format, *turned) : "");
  }
  return rows;
}

}  // namespace

std::vector<PickerWheel> datePickerWheels(UIDatePickerMode mode, const NSDate& date) {
  const std::vector<WheelLayout> layouts = layoutsFor(mode);
  if (layouts.empty()) return {PickerWheel{}};
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(icu::Locale("en_US_POSIX"), status));
  if (U_FAILURE(status) || !calendar) return {PickerWheel{}};
  // Not lenient: a date beyond the calendar leaves the wheels empty instead of showing the calendar's edge.
  calendar->setLenient(false);
  calendar->setTime(icuTimeOf(date), status);
  std::vector<PickerWheel> wheels;
  for (const WheelLayout& layout : layouts) {
    wheels.push_back({layout.start / kWidth, layout.end / kWidth,
                      U_SUCCESS(status) ? wheelRows(*calendar, layout) : std::vector<std::string>{},
                      layout.alignment});
  }
  return wheels;
}

}  // namespace tarnavel
