#include "tarnavel/chart/internal/AreaGeometry.h"

#include "tarnavel/chart/ChartEnumerations.h"

namespace tarnavel {

CGFloat areaSpanBreadth(const PlotGeometry& frame, std::size_t seriesCount) {
  return frame.halfSlot / static_cast<CGFloat>(seriesCount);
}

std::optional<CGRect> areaSpanRect(const AreaPlot& plot, std::size_t k, CGFloat length, CGFloat base) {
  const CGFloat cross = plot.frame.slotCentre(k);
  const CGFloat extent = plot.frame.valueExtent;
  if (plot.frame.orientation == ChartOrientationVertical) {
    // Stacked, the running sum already holds this item, so the rectangle reaches back from the stack's end.
    const CGFloat y =
        plot.negativeOnly ? (plot.stacked ? length : 0) - base : extent - (plot.stacked ? 0 : length) - base;
    return CGRectMake(cross, y, plot.spanBreadth, plot.negativeOnly ? -length : length);
  }
  if (plot.frame.orientation == ChartOrientationHorizontal) {
    const CGFloat zero = plot.negativeOnly || plot.positiveAndNegative ? extent : 0;
    return CGRectMake(base + zero - (plot.stacked ? length : 0), cross, length, plot.spanBreadth);
  }
  return std::nullopt;
}

CGPoint areaDataPoint(CGRect span, NSUInteger orientation, CGFloat value) {
  CGPoint p = span.origin;
  if (orientation == ChartOrientationHorizontal && value >= 0) p.x += span.size.width;
  if (orientation == ChartOrientationVertical && value < 0) p.y += span.size.height;
  return p;
}

CGMutablePathRef areaBandPath(const AreaPlot& plot, CGPoint previous, CGPoint point) {
  const CGMutablePathRef path = CGPathCreateMutable();
  CGPathMoveToPoint(path, nullptr, previous.x, previous.y);
  if (plot.frame.orientation == ChartOrientationVertical) {
    const CGFloat zero = plot.negativeOnly ? 0 : plot.frame.valueExtent;
    CGPathAddLineToPoint(path, nullptr, previous.x, zero);
    CGPathAddLineToPoint(path, nullptr, point.x, zero);
  } else {
    const CGFloat zero = plot.negativeOnly || plot.positiveAndNegative ? plot.frame.valueExtent : 0;
    CGPathAddLineToPoint(path, nullptr, zero, previous.y);
    CGPathAddLineToPoint(path, nullptr, zero, point.y);
  }
  CGPathAddLineToPoint(path, nullptr, point.x, point.y);
  return path;
}

}  // namespace tarnavel
