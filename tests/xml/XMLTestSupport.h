#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

// Lets GoogleTest show a Value in failure messages.
inline void PrintTo(const Value& value, std::ostream* out) {
  *out << value.description();
}

}  // namespace tarnavel

namespace xmltest {

inline tarnavel::Value dict(
    std::initializer_list<std::pair<const std::string, tarnavel::Value>> entries = {}) {
  return tarnavel::Value::newDictionary(entries);
}

inline tarnavel::Value list(std::initializer_list<tarnavel::Value> items) {
  return tarnavel::Value::newArray(items);
}

}  // namespace xmltest
