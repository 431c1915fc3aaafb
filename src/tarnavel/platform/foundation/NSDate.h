#pragma once

#include <chrono>
#include <compare>

namespace tarnavel {

/// A point in time, independent of any calendar or time zone. A date is a value: copies are equal dates.
class NSDate {
 public:
  using Clock = std::chrono::system_clock;

  /// The current time.
  NSDate() : NSDate(Clock::now()) {}
  explicit NSDate(Clock::time_point time) : time_(time) {}
  static NSDate dateWithTimeIntervalSince1970(double seconds);

  double timeIntervalSince1970() const;
  Clock::time_point timePoint() const { return time_; }

  friend bool operator==(const NSDate&, const NSDate&) = default;
  friend auto operator<=>(const NSDate&, const NSDate&) = default;

 private:
  Clock::time_point time_;
};

}  // namespace tarnavel
