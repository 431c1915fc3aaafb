#include "tarnavel/chart/internal/LineGeometry.h"

#include "tarnavel/chart/ChartEnumerations.h"

namespace tarnavel {

std::optional<CGPoint> lineDataPoint(const LinePlot& plot, std::size_t k, CGFloat value,
                                     CGPoint currentOrigin) {
  if (!plot.frame.hasSlots()) return std::nullopt;
  const CGFloat c = plot.frame.slotCentre(k);
  const CGFloat length = plot.frame.valueLength(value);
  const CGFloat extent = plot.frame.valueExtent;
  if (plot.frame.orientation == ChartOrientationVertical) {
    const CGFloat zero = plot.negativeOnly ? 0 : extent;
    return CGPoint{c, zero - length};
  }
  if (plot.frame.orientation == ChartOrientationHorizontal) {
    const CGFloat zero = plot.negativeOnly || plot.positiveAndNegative ? extent : 0;
    return CGPoint{zero + length, c};
  }
  return currentOrigin;
}

CGRect dataPointFrame(CGPoint point) {
  return CGRectMake(point.x, point.y, 0.1, 0.1);
}

}  // namespace tarnavel
