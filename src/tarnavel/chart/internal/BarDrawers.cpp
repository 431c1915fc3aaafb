#include "tarnavel/chart/internal/BarDrawers.h"

#include <memory>
#include <optional>

#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/BarGeometry.h"
#include "tarnavel/chart/internal/BoxDecorators.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/PlotFrame.h"

namespace tarnavel {

namespace {

BarPlot barPlotOf(const UIChart& chart, const PlotGeometry& geometry) {
  return {geometry, chart.itemBreadth, positiveAndNegative, negativeOnly};
}

// The item view becomes the bar: its frame (standardised by the view), its fill, its place on top of the
// plot area. An orientation that places no bar leaves the frame as it was.
void placeBar(UIChart& chart, const std::shared_ptr<ChartItem>& item, const std::optional<CGRect>& bar) {
  if (bar) item->setFrame(*bar);
  DrawItem(chart, item);
  bindRecordOf(chart).addSubview(chart.plotArea, item);
}

}  // namespace

void drawChartType_bar(UIChart& chart) {
  const PlotFrameOptions options = PlotFrameOptions::bar();
  const PlotGeometry geometry = drawPlotFrame(chart, options);
  // Without slots (series 0 has no items) no bar has a place.
  if (geometry.hasSlots()) {
    const BarPlot plot = barPlotOf(chart, geometry);
    const CGFloat breadth = groupedBarBreadth(plot, chart.series.size());
    forEachItem(chart.series, [&](std::size_t j, std::size_t k, const std::shared_ptr<ChartItem>& item) {
      const CGFloat length = geometry.valueLength(itemValueOf(*item));
      placeBar(chart, item, groupedBarRect(plot, j, k, length, breadth));
    });
  }
  drawCategoryLabels(chart, geometry, options);
}

void drawChartType_barStacked(UIChart& chart) {
  const PlotFrameOptions options = PlotFrameOptions::barStacked();
  const PlotGeometry geometry = drawPlotFrame(chart, options);
  if (geometry.hasSlots()) {
    const BarPlot plot = barPlotOf(chart, geometry);
    const CGFloat breadth = stackedBarBreadth(plot);
    BarStackSums sums;
    forEachItem(chart.series, [&](std::size_t j, std::size_t k, const std::shared_ptr<ChartItem>& item) {
      if (j == 0) sums.addIndex();
      const CGFloat value = itemValueOf(*item);
      // Raises for an index beyond series 0's items, before this bar is touched.
      const CGFloat base = sums.baseFor(k, value);
      const CGFloat length = geometry.valueLength(value);
      placeBar(chart, item, stackedBarRect(plot, k, length, base, breadth));
      sums.add(k, value, length);
    });
  }
  drawCategoryLabels(chart, geometry, options);
}

}  // namespace tarnavel
