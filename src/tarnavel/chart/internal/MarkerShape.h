#pragma once

#include <optional>

#include "tarnavel/platform/geometry/CGPath.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// The shapes a point marker or a legend bullet is drawn in.
enum class MarkerShape { Circle, Square, Triangle };

/// The shape that point types and legend bullet types 1, 2 and 3 (the two enumerations share these
/// values) stand for: circle, square, triangle; none for any other value.
std::optional<MarkerShape> markerShapeOf(NSUInteger type);

/// The outline of `shape` in the box (0, 0, side, side): the circle and square fill it; the triangle has its
/// apex at the top centre, runs down its right side and along its base, and is not closed: its left side is
/// filled but not stroked.
CGPathRef markerShapePath(MarkerShape shape, CGFloat side);

}  // namespace tarnavel
