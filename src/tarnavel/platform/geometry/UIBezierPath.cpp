#include "tarnavel/platform/geometry/UIBezierPath.h"

namespace tarnavel {

std::shared_ptr<UIBezierPath> UIBezierPath::bezierPathWithRect(CGRect rect) {
  auto path = bezierPath();
  path->path_.addRect(rect);
  return path;
}

std::shared_ptr<UIBezierPath> UIBezierPath::bezierPathWithOvalInRect(CGRect rect) {
  auto path = bezierPath();
  path->path_.addEllipseInRect(rect);
  return path;
}

}  // namespace tarnavel
