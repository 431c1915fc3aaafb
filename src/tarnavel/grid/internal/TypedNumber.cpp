#include "tarnavel/grid/internal/TypedNumber.h"

namespace tarnavel {

namespace {

// The 64-bit reading cut to `Narrow`; conversions to integer types are modular, so the low bits stay.
template <class Narrow>
Value lowBits(const Value& text) {
  return Value(static_cast<Narrow>(text.integerValue()));
}

}  // namespace

std::optional<Value> numberWithType(NSUInteger type, const std::string& typed) {
  const Value text(typed);
  switch (type) {
    case DataGridNumberTypeBool:
      return Value(text.boolValue());
    case DataGridNumberTypeChar:
      return lowBits<signed char>(text);
    case DataGridNumberTypeDouble:
      return Value(text.doubleValue());
    case DataGridNumberTypeFloat:
      return Value(text.floatValue());
    case DataGridNumberTypeInt:
      return Value(text.intValue());
    case DataGridNumberTypeInteger:
    case DataGridNumberTypeLong:
    case DataGridNumberTypeLongLong:
      return lowBits<long long>(text);
    case DataGridNumberTypeShort:
      return lowBits<short>(text);
    case DataGridNumberTypeUnsignedChar:
      return lowBits<unsigned char>(text);
    case DataGridNumberTypeUnsignedInt:
      return lowBits<unsigned int>(text);
    case DataGridNumberTypeUnsignedInteger:
    case DataGridNumberTypeUnsignedLong:
    case DataGridNumberTypeUnsignedLongLong:
      return lowBits<unsigned long long>(text);
    case DataGridNumberTypeUnsignedShort:
      return lowBits<unsigned short>(text);
    default:
      return std::nullopt;
  }
}

}  // namespace tarnavel
