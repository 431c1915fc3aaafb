#pragma once

#include <cstddef>

#include "tarnavel/platform/geometry/CGPath.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

class ChartSeries;

/// Degrees to radians, worked in double precision and kept in single precision, as the pie's angles are.
float pieRadians(double degrees);

/// A wedge's sweep in degrees, value x 360 / total in single precision. A value of 0 or below, a total of 0
/// or below and a sweep that is not finite all give 0, so that no wedge turns back over the previous ones.
float wedgeSweep(CGFloat value, CGFloat total);

/// The centre of series `s`'s pie: a centre the host set is kept; an unset one (or one that is not finite)
/// becomes the middle of the plot for series 0 (lowered to 0.6 of the height for a 3D pie) and series 0's
/// centre for later series. Written back into the series.
CGPoint resolvePieCentre(ChartSeries& series, std::size_t s, const ChartSeries& first, CGSize plotBounds);

/// The outer radius of series `s`'s pie: a positive, finite radius the host set is kept; otherwise 0.45 of
/// the plot's smaller side for series 0 and series 0's radius x (count - s) / count after it, so later
/// series are rings inside it. Written back into the series.
CGFloat resolvePieRadius(ChartSeries& series, std::size_t s, const ChartSeries& first, std::size_t count,
                         CGSize plotBounds);

/// A wedge from the centre: out along `startRad`, clockwise on screen over `sweepDegrees`, back to the
/// centre.
CGPathRef wedgePath(CGPoint centre, CGFloat radius, float startRad, float sweepDegrees);

/// How far from the centre an item's title sits, by its horizontal location: 0 the ring's inner edge plus
/// the text width, 1 the middle of the ring, 2 just outside the pie (series 0) or just inside the ring's
/// outer edge (later series), anything else on the outer edge.
CGFloat pieTitleRadius(std::size_t horizontalLocation, CGFloat outer, CGFloat inner, CGFloat textWidth,
                       bool outermost);

/// The angle of an item's title, by its vertical location: 0 five degrees after the wedge's start, 2 five
/// degrees before its end, anything else the middle of the wedge.
float pieTitleAngle(std::size_t verticalLocation, float startRad, float sweepDegrees);

/// How many copies make a 3D pie's wall: two per point of height, at least 2 (counted as far as a double
/// holds whole numbers; the bind's allowance of copied layers bounds what is made).
std::size_t pieWallCopyCount(long long pie3DHeight);

}  // namespace tarnavel
