#pragma once

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// Insets from the four edges of a rectangle, in points.
struct UIEdgeInsets {
  CGFloat top = 0;
  CGFloat left = 0;
  CGFloat bottom = 0;
  CGFloat right = 0;
  friend bool operator==(const UIEdgeInsets&, const UIEdgeInsets&) = default;
};

constexpr UIEdgeInsets UIEdgeInsetsMake(CGFloat top, CGFloat left, CGFloat bottom, CGFloat right) {
  return {top, left, bottom, right};
}

/// `rect` shrunk by the insets; a side that would turn negative stays at 0.
CGRect UIEdgeInsetsInsetRect(CGRect rect, const UIEdgeInsets& insets);

}  // namespace tarnavel
