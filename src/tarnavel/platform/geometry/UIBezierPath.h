#pragma once

#include <memory>

#include "tarnavel/platform/geometry/CGPath.h"

namespace tarnavel {

/// A path object in the toolkit's drawing vocabulary; `CGPath()` hands out the path it has built so far.
class UIBezierPath {
 public:
  static std::shared_ptr<UIBezierPath> bezierPath() { return std::make_shared<UIBezierPath>(); }
  static std::shared_ptr<UIBezierPath> bezierPathWithRect(CGRect rect);
  static std::shared_ptr<UIBezierPath> bezierPathWithOvalInRect(CGRect rect);

  void moveToPoint(CGPoint point) { path_.moveTo(point); }
  void addLineToPoint(CGPoint point) { path_.lineTo(point); }
  /// Angles in radians, y down: a clockwise arc turns towards increasing angles on screen.
  void addArcWithCenter(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle,
                        bool clockwise) {
    path_.addArc(center, radius, startAngle, endAngle, clockwise);
  }
  void closePath() { path_.closeSubpath(); }

  /// A copy of the path as it stands: later changes to this object do not reach it.
  CGPathRef CGPath() const { return std::make_shared<const ::tarnavel::CGPath>(path_); }

 private:
  ::tarnavel::CGPath path_;
};

}  // namespace tarnavel
