#pragma once

#include <compare>
#include <optional>

namespace tarnavel {

/// A point in time, independent of any calendar or time zone, held as seconds since the reference date (the
/// first instant of 2001, UTC) in a double: every year a calendar names fits, far beyond years 1 and 9999.
/// A date is a value: copies are equal dates.
class NSDate {
 public:
  /// The current time.
  NSDate();
  /// The date `seconds` after the first instant of 1970, UTC; null when `seconds` is not a finite number.
  static std::optional<NSDate> dateWithTimeIntervalSince1970(double seconds);

  double timeIntervalSince1970() const;

  friend bool operator==(const NSDate&, const NSDate&) = default;
  // Never NaN, so the order is total.
  friend auto operator<=>(const NSDate&, const NSDate&) = default;

 private:
  explicit NSDate(double sinceReferenceDate) : sinceReferenceDate_(sinceReferenceDate) {}

  double sinceReferenceDate_;
};

}  // namespace tarnavel
