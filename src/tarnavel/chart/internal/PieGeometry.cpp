#include "tarnavel/chart/internal/PieGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/internal/ValueScale.h"
#include "tarnavel/platform/geometry/UIBezierPath.h"

namespace tarnavel {

namespace {

// Five degrees, the distance of an edge title from its wedge's edge.
constexpr double kEdgeTitleInset = 0.08726646259971647;

bool isFinite(CGPoint p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

float pieRadians(double degrees) {
  return static_cast<float>(degrees * std::numbers::pi / 180);
}

float wedgeSweep(CGFloat value, CGFloat total) {
  if (!(value > 0) || !(total > 0)) return 0;
  const float sweep = static_cast<float>(mulDiv(value, 360.0, total));
  return std::isfinite(sweep) ? sweep : 0;
}

CGPoint resolvePieCentre(ChartSeries& series, std::size_t s, const ChartSeries& first, CGSize plotBounds) {
  if (!isChartPieCenterUnset(series.pieCenter) && isFinite(series.pieCenter)) return series.pieCenter;
  if (s == 0) {
    const double lowered = series.pie3D ? 1.2 : 1.0;
    series.pieCenter = {plotBounds.width * 0.5, lowered * plotBounds.height * 0.5};
  } else {
    series.pieCenter = first.pieCenter;
  }
  // A centre that is not finite would give every wedge and title a frame of NaN.
  if (!isFinite(series.pieCenter)) series.pieCenter = CGPoint{};
  return series.pieCenter;
}

CGFloat resolvePieRadius(ChartSeries& series, std::size_t s, const ChartSeries& first, std::size_t count,
                         CGSize plotBounds) {
  if (series.pieRadius > 0 && std::isfinite(series.pieRadius)) return series.pieRadius;
  if (s == 0) {
    series.pieRadius = 0.45 * std::min(plotBounds.width, plotBounds.height);
  } else {
    // The ring's share in single precision.
    const float n = static_cast<float>(count);
    series.pieRadius = static_cast<float>(first.pieRadius) * (n - static_cast<float>(s)) / n;
  }
  if (!std::isfinite(series.pieRadius)) series.pieRadius = 0;
  return series.pieRadius;
}

CGPathRef wedgePath(CGPoint centre, CGFloat radius, float startRad, float sweepDegrees) {
  const double endRad = static_cast<double>(startRad) + sweepDegrees * std::numbers::pi / 180;
  auto path = UIBezierPath::bezierPath();
  path->moveToPoint(centre);
  path->addLineToPoint({centre.x + radius * std::cos(startRad), centre.y + radius * std::sin(startRad)});
  path->addArcWithCenter(centre, radius, startRad, endRad, true);
  path->addLineToPoint(centre);
  return path->CGPath();
}

CGFloat pieTitleRadius(std::size_t horizontalLocation, CGFloat outer, CGFloat inner, CGFloat textWidth,
                       bool outermost) {
  switch (horizontalLocation) {
    case 0:
      return inner + textWidth;
    case 1:
      return inner + (outer - inner) * 0.5;
    case 2:
      return outermost ? outer + textWidth : outer - textWidth;
    default:
      return outer;
  }
}

float pieTitleAngle(std::size_t verticalLocation, float startRad, float sweepDegrees) {
  switch (verticalLocation) {
    case 0:
      return static_cast<float>(startRad + kEdgeTitleInset);
    case 2:
      return static_cast<float>(startRad + sweepDegrees * std::numbers::pi / 180 - kEdgeTitleInset);
    default:
      return static_cast<float>(startRad + (0.5 * sweepDegrees) * std::numbers::pi / 180);
  }
}

std::size_t pieWallCopyCount(long long pie3DHeight) {
  if (pie3DHeight < 1) return 2;
  constexpr double kMostCounted = 0x1p53;
  return static_cast<std::size_t>(std::min(2.0 * static_cast<double>(pie3DHeight), kMostCounted));
}

}  // namespace tarnavel
