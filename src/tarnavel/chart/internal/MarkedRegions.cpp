#include <optional>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/BoxDecorators.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/PlotFrameSteps.h"

namespace tarnavel {

namespace {

void clampBelow(CGFloat& value, CGFloat limit) {
  if (value < limit) value = limit;
}

void clampAbove(CGFloat& value, CGFloat limit) {
  if (value > limit) value = limit;
}

// The region's bounds brought into the plot, in the order the chart has always applied them; written back.
void normaliseBounds(markedRegion& region, const UIChart& chart, const PlotGeometry& plot) {
  const CGFloat lastIndex = itemsCount - 1;
  if (isChartRegionXUnset(region.xStart, region.xEnd)) {
    region.xStart = 0;
    region.xEnd = lastIndex;
  }
  clampBelow(region.xStart, 0);
  clampBelow(region.xEnd, 0);
  clampAbove(region.xStart, lastIndex);
  clampAbove(region.xEnd, lastIndex);
  clampAbove(region.yTop, plot.maxValue);
  if (!negativeOnly && !positiveAndNegative) {
    clampBelow(region.yBottom, 0);
    clampBelow(region.yTop, 0);
  }
  if (negativeOnly) {
    clampAbove(region.yBottom, 0);
    clampAbove(region.yTop, 0);
  }
  if (positiveAndNegative) clampBelow(region.yBottom, chart.minValue);
}

std::optional<CGRect> regionFrame(const markedRegion& region, const PlotGeometry& plot) {
  const CGFloat length = plot.regionLength(region.yTop - region.yBottom);
  const CGFloat across = plot.slot * (region.xEnd - region.xStart + 1);
  if (plot.orientation == ChartOrientationVertical) {
    const CGFloat top = plot.regionLength((negativeOnly ? 0 : plot.maxValue) - region.yTop);
    return CGRectMake(plot.slot * region.xStart, top, across, length);
  }
  if (plot.orientation == ChartOrientationHorizontal) {
    const CGFloat zero = positiveAndNegative || negativeOnly ? plot.valueExtent : 0;
    return CGRectMake(plot.regionLength(region.yBottom) + zero, plot.slot * region.xStart, length, across);
  }
  return std::nullopt;
}

}  // namespace

void drawMarkedRegions(UIChart& chart, const PlotGeometry& plot) {
  // By index, re-reading the list: a decorator that changed it cannot leave this loop reading freed memory.
  for (std::size_t i = 0; i < chart.markedRegions.size(); ++i) {
    const std::shared_ptr<markedRegion> region = chart.markedRegions[i];
    if (!region || region->yTop <= region->yBottom || region->xStart > region->xEnd) continue;
    normaliseBounds(*region, chart, plot);
    if (const std::optional<CGRect> frame = regionFrame(*region, plot)) {
      // Without a value scale or category slots a region has no place: it is left out.
      if (!plot.hasValueScale() || !CGRectIsFinite(*frame)) continue;
      region->setFrame(*frame);
    }
    DrawmarkedRegion(chart, region);
    if (chart.plotArea) bindRecordOf(chart).addSubview(chart.plotArea, region);
  }
}

}  // namespace tarnavel
