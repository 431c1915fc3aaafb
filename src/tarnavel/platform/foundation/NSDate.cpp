#include "tarnavel/platform/foundation/NSDate.h"

namespace tarnavel {

NSDate NSDate::dateWithTimeIntervalSince1970(double seconds) {
  const auto since = std::chrono::duration<double>(seconds);
  return NSDate(Clock::time_point(std::chrono::duration_cast<Clock::duration>(since)));
}

double NSDate::timeIntervalSince1970() const {
  return std::chrono::duration<double>(time_.time_since_epoch()).count();
}

}  // namespace tarnavel
