#include "tarnavel/platform/foundation/Format.h"

#include <charconv>

namespace tarnavel {

std::string formatInteger(long long value) {
  return std::to_string(value);
}

std::string formatFixed(double value, int decimals) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "nan";
  return std::string(buffer, result.ptr);
}

}  // namespace tarnavel
