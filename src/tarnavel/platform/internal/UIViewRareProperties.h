#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// The view properties that few views set, with their initial values. A view makes this block on the first
/// write that changes one of them; until then its getters read the shared initial block.
struct UIViewRareProperties {
  std::shared_ptr<UIColor> tintColor;
  std::optional<std::string> restorationIdentifier;
  std::optional<std::string> accessibilityIdentifier;
  Value accessibilityValue;
  Value motionEffects;
};

}  // namespace tarnavel
