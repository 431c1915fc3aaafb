#pragma once

// Internal: dates as ICU counts them, milliseconds since the first instant of 1970 (UTC) in a double.

#include <unicode/utypes.h>

#include <optional>

#include "tarnavel/platform/foundation/NSDate.h"

namespace tarnavel {

/// The ICU time of `date`. A date beyond what ICU's calendars hold (millions of years away) gives a time,
/// possibly infinite, that a calendar which is not lenient refuses: callers set times on such calendars
/// only, so a far date is refused, never clamped or wrapped.
inline UDate icuTimeOf(const NSDate& date) {
  return date.timeIntervalSince1970() * 1000;
}

/// The date of an ICU time; null when the time is not a finite number.
inline std::optional<NSDate> dateOfICUTime(UDate milliseconds) {
  return NSDate::dateWithTimeIntervalSince1970(milliseconds / 1000);
}

}  // namespace tarnavel
