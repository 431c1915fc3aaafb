#include "tarnavel/grid/Carriers.h"

#include "tarnavel/platform/Format.h"
#include "tarnavel/platform/Value.h"

namespace tarnavel {

std::string carrierText(std::size_t index) {
  return formatInteger(static_cast<long long>(index));
}

int carrierNumber(const std::optional<std::string>& text) {
  return text ? Value(*text).intValue() : 0;
}

}  // namespace tarnavel
