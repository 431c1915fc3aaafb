#include "tarnavel/chart/internal/MarkerShape.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/platform/geometry/UIBezierPath.h"

namespace tarnavel {

static_assert(NSUInteger{ChartPointTypeCircle} == NSUInteger{ChartLegendBulletTypeCircle} &&
              NSUInteger{ChartPointTypeSquare} == NSUInteger{ChartLegendBulletTypeSquare} &&
              NSUInteger{ChartPointTypeTriangle} == NSUInteger{ChartLegendBulletTypeTriangle});

std::optional<MarkerShape> markerShapeOf(NSUInteger type) {
  switch (type) {
    case ChartPointTypeCircle:
      return MarkerShape::Circle;
    case ChartPointTypeSquare:
      return MarkerShape::Square;
    case ChartPointTypeTriangle:
      return MarkerShape::Triangle;
    default:
      return std::nullopt;
  }
}

CGPathRef markerShapePath(MarkerShape shape, CGFloat side) {
  const CGRect box = CGRectMake(0, 0, side, side);
  switch (shape) {
    case MarkerShape::Circle:
      return UIBezierPath::bezierPathWithOvalInRect(box)->CGPath();
    case MarkerShape::Square:
      return UIBezierPath::bezierPathWithRect(box)->CGPath();
    case MarkerShape::Triangle: {
      const auto triangle = UIBezierPath::bezierPath();
      triangle->moveToPoint({side / 2, 0});
      triangle->addLineToPoint({side, side});
      triangle->addLineToPoint({0, side});
      return triangle->CGPath();
    }
  }
  return nullptr;
}

}  // namespace tarnavel
