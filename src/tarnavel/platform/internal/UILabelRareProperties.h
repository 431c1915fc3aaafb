#pragma once

#include <memory>

#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {

/// The label properties that few labels set, with their initial values; made on the first write of a value
/// other than the initial one, like the view's own block.
struct UILabelRareProperties {
  NSInteger baselineAdjustment = 0;
  CGFloat minimumScaleFactor = 0;
  CGFloat preferredMaxLayoutWidth = 0;
  std::shared_ptr<UIColor> highlightedTextColor;
  std::shared_ptr<UIColor> shadowColor;
  CGSize shadowOffset{0, -1};
};

}  // namespace tarnavel
