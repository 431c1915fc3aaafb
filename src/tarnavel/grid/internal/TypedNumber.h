#pragma once

#include <optional>
#include <string>

#include "tarnavel/grid/DataGridEnums.h"
#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

/// The number of kind `type` that the toolkit's text readers make of `text` (a leading number, 0 when
/// there is none); a kind narrower than 64 bits, or unsigned, keeps the low-order bits of the 64-bit
/// reading. Null for a type above DataGridNumberTypeUnsignedShort.
std::optional<Value> numberWithType(NSUInteger type, const std::string& text);

}  // namespace tarnavel
