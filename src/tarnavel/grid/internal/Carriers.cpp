#include "tarnavel/grid/internal/Carriers.h"

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

std::string carrierText(std::size_t index) {
  return formatInteger(static_cast<long long>(index));
}

int carrierNumber(const std::optional<std::string>& text) {
  return text ? Value(*text).intValue() : 0;
}

}  // namespace tarnavel
