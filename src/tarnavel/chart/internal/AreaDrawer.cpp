#include "tarnavel/chart/internal/AreaDrawer.h"

#include <cstddef>
#include <limits>
#include <memory>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/AreaCarrier.h"
#include "tarnavel/chart/internal/AreaGeometry.h"
#include "tarnavel/chart/internal/BarGeometry.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/LayerHelpers.h"

namespace tarnavel {

namespace {

// Where one series' band pass stands: the previous data point and the running sums it reads and lowers.
struct BandPass {
  UIChart& chart;
  const AreaPlot& plot;
  BarStackSums& sums;
  CGPoint previous{0, 0};
};

// Each index's sum of lengths over all series, per sign. Items beyond the first series' `limit` have no
// index to add to and are left out.
BarStackSums stackedSums(const UIChart& chart, const PlotGeometry& geometry, std::size_t limit) {
  BarStackSums sums;
  for (std::size_t j = 0; j < chart.series.size(); ++j) {
    const auto& items = elementOf(chart.series[j]).Items;
    for (std::size_t k = 0; k < items.size() && k < limit; ++k) {
      if (j == 0) sums.addIndex();
      const CGFloat value = itemValueOf(elementOf(items[k]));
      sums.add(k, value, geometry.valueLength(value));
    }
  }
  return sums;
}

void addCarrier(BandPass& pass, ChartItem& item, const std::shared_ptr<CAShapeLayer>& band) {
  const std::shared_ptr<UIView>& plotArea = pass.chart.plotArea;
  if (!plotArea) return;
  ChartBindRecord& record = bindRecordOf(pass.chart);
  auto carrier =
      makeAreaCarrier(item, plotArea->frame().size, plotArea->bounds().size, band->fillColor, record);
  carrier->mask = band;
  record.addSublayer(plotArea->layer(), std::move(carrier));
}

void drawBand(BandPass& pass, const ChartSeries& series, std::size_t k, ChartItem& item) {
  const AreaPlot& plot = pass.plot;
  writeItemDefaults(item, ChartLayoutStyleGradient, ChartVerticalLocationTop, ChartHorizontalLocationLeft);
  const CGFloat value = itemValueOf(item);
  const CGFloat base = plot.stacked ? pass.sums.baseFor(k, value) : 0;
  const CGFloat length = plot.frame.valueLength(value);
  if (const auto span = areaSpanRect(plot, k, length, base)) item.setFrame(*span);
  // The series drawn next (the one before in the list) finds the sum over itself and those before it.
  if (plot.stacked) pass.sums.add(k, value, -length);

  const std::shared_ptr<CAShapeLayer> band = copyShapeTemplate(series, ShapeTemplateUse::Area);
  const CGPoint point = areaDataPoint(item.frame(), plot.frame.orientation, value);
  band->path = areaBandPath(plot, pass.previous, point);
  if (item.backgroundColor()) band->fillColor = item.backgroundColor()->CGColor();
  // The first item only starts the polyline. Without a value scale no length is known, so no band is drawn.
  if (k > 0 && plot.frame.hasValueScale()) addCarrier(pass, item, band);

  item.setFrame(CGRectMake(point.x, point.y, 0.1, 0.1));
  pass.previous = point;
}

void drawSeriesBands(BandPass& pass, const ChartSeries& series, std::size_t limit) {
  pass.previous = {0, 0};
  for (std::size_t k = 0; k < series.Items.size() && k < limit; ++k)
    drawBand(pass, series, k, elementOf(series.Items[k]));
}

void drawItemLabels(UIChart& chart, const PlotGeometry& geometry, const PlotFrameOptions& options,
                    std::size_t limit) {
  for (std::size_t j = 0; j < chart.series.size(); ++j) {
    const std::shared_ptr<ChartSeries> series = chart.series[j];
    for (std::size_t k = 0; k < elementOf(series).Items.size() && k < limit; ++k) {
      const std::shared_ptr<ChartItem> item = series->Items[k];
      drawCategoryLabelsOfItem(chart, geometry, options, j, k, elementOf(item));
    }
  }
}

}  // namespace

void drawChartType_area(UIChart& chart, bool stacked) {
  const PlotFrameOptions options = PlotFrameOptions::area(stacked);
  const PlotGeometry geometry = drawPlotFrame(chart, options);
  // Stacked, the running sums have an entry per item of the first series only: a longer series stops there.
  const std::size_t limit = stacked && !chart.series.empty() ? elementOf(chart.series[0]).Items.size()
                                                             : std::numeric_limits<std::size_t>::max();
  // Without slots (the first series has no items) no point has a place.
  if (geometry.hasSlots()) {
    const AreaPlot plot{geometry, areaSpanBreadth(geometry, chart.series.size()), stacked,
                        positiveAndNegative, negativeOnly};
    BarStackSums sums = stacked ? stackedSums(chart, geometry, limit) : BarStackSums{};
    BandPass pass{chart, plot, sums};
    for (std::size_t j = chart.series.size(); j-- > 0;)
      drawSeriesBands(pass, elementOf(chart.series[j]), limit);
  }
  drawItemLabels(chart, geometry, options, limit);
}

}  // namespace tarnavel
