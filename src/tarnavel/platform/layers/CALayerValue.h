#pragma once

#include <variant>
#include <vector>

#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/graphics/UIColor.h"

namespace tarnavel {

/// A value in a layer's key-value storage: nothing (nil), a number or a list of numbers, or a list of layer
/// colours.
using CALayerValue = std::variant<std::monostate, Value, std::vector<CGColorRef>>;

}  // namespace tarnavel
