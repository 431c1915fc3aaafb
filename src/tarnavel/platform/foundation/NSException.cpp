#include "tarnavel/platform/foundation/NSException.h"

#include <utility>

namespace tarnavel {

NSException::NSException(std::string name, std::string reason)
    : name_(std::move(name)), reason_(std::move(reason)), what_(name_ + ": " + reason_) {}

void raiseException(const char* name, std::string reason) {
  throw NSException(name, std::move(reason));
}

std::size_t checkedIndex(long long index, std::size_t count) {
  if (index < 0 || static_cast<unsigned long long>(index) >= count) {
    raiseException(NSRangeException, "index " + std::to_string(index) + " beyond bounds [0 .. " +
                                         std::to_string(static_cast<long long>(count) - 1) + "]");
  }
  return static_cast<std::size_t>(index);
}

}  // namespace tarnavel
