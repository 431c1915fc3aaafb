#include "tarnavel/platform/geometry/UIEdgeInsets.h"

#include <algorithm>

namespace tarnavel {

CGRect UIEdgeInsetsInsetRect(CGRect rect, const UIEdgeInsets& insets) {
  rect = CGRectStandardize(rect);
  const CGFloat width = std::max(0.0, rect.size.width - insets.left - insets.right);
  const CGFloat height = std::max(0.0, rect.size.height - insets.top - insets.bottom);
  return CGRectMake(rect.origin.x + insets.left, rect.origin.y + insets.top, width, height);
}

}  // namespace tarnavel
