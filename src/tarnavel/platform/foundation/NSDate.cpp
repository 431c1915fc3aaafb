#include "tarnavel/platform/foundation/NSDate.h"

#include <chrono>
#include <cmath>

namespace tarnavel {

namespace {

// Seconds from the first instant of 1970 to the reference date, the first instant of 2001 (UTC).
constexpr double kReferenceDateSince1970 = 978'307'200;

}  // namespace

NSDate::NSDate()
    : NSDate(std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() -
             kReferenceDateSince1970) {}

std::optional<NSDate> NSDate::dateWithTimeIntervalSince1970(double seconds) {
  if (!std::isfinite(seconds)) return std::nullopt;
  return NSDate(seconds - kReferenceDateSince1970);
}

double NSDate::timeIntervalSince1970() const {
  return sinceReferenceDate_ + kReferenceDateSince1970;
}

}  // namespace tarnavel
