#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// The view properties that few views set, with their initial values. A view makes this block on the first
/// write that changes one of them; until then its getters read the shared initial block.
struct UIViewRareProperties {
  NSUInteger autoresizingMask = 0;
  NSInteger contentMode = 0;
  CGFloat contentScaleFactor = 1;
  NSInteger tintAdjustmentMode = 0;
  std::shared_ptr<UIColor> tintColor;
  std::optional<std::string> restorationIdentifier;
  std::optional<std::string> accessibilityIdentifier;
  Value accessibilityValue;
  Value motionEffects;
};

/// A view's accessibility hint and label, made on the first write of a text, apart from the block above:
/// every control cell of a grid sets them, and nothing else of that block.
struct UIViewAccessibilityTexts {
  std::optional<std::string> hint;
  std::optional<std::string> label;
};

}  // namespace tarnavel
