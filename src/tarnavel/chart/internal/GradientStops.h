#pragma once

// Internal: how the chart reads one entry of a host's gradient locations.

#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

/// The stop a location entry stands for: the entry itself, or 0 for a list or dictionary in its place, so
/// that a stray entry neither raises nor ends the drawing.
inline const Value& gradientStop(const Value& location) {
  static const Value zero(0);
  return location.isArray() || location.isDictionary() ? zero : location;
}

}  // namespace tarnavel
