#include "tarnavel/chart/internal/LineDrawer.h"

#include <memory>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/LayerHelpers.h"
#include "tarnavel/chart/internal/LineGeometry.h"
#include "tarnavel/chart/internal/PlotFrame.h"
#include "tarnavel/chart/internal/PointMarkers.h"
#include "tarnavel/chart/internal/SegmentLayer.h"

namespace tarnavel {

namespace {

// One piece of a series' line, styled by the series' template (white where it has no stroke colour). It
// gets no frame: its path is in the plot area's coordinates, moved only by a position or transform of the
// template.
void addSegment(UIChart& chart, const ChartSeries& series, CGPoint from, CGPoint to) {
  if (!chart.plotArea) return;
  auto segment = copyShapeTemplate(series, ShapeTemplateUse::Line);
  segment->path = segmentPath(from, to);
  bindRecordOf(chart).addSublayer(chart.plotArea->layer(), std::move(segment));
}

// Pass 1: the items' defaults and data points, and the segments between neighbours. Every series is drawn
// apart: its line starts at its first item and nothing joins two series.
void placeDataPoints(UIChart& chart, const LinePlot& plot, bool pointsOnly) {
  CGPoint previous{0, 0};
  forEachItem(chart.series, [&](std::size_t j, std::size_t k, const std::shared_ptr<ChartItem>& item) {
    writeItemDefaults(*item, ChartLayoutStyleGradient, ChartVerticalLocationTop, ChartHorizontalLocationLeft);
    const auto point = lineDataPoint(plot, k, itemValueOf(*item), item->frame().origin);
    if (!point) return;
    if (k > 0 && !pointsOnly) addSegment(chart, *chart.series[j], previous, *point);
    item->setFrame(dataPointFrame(*point));
    previous = *point;
  });
}

// Pass 2, after every segment, so that titles, labels and markers lie above all lines.
void drawLabelsAndMarkers(UIChart& chart, const PlotGeometry& geometry, const PlotFrameOptions& options) {
  forEachItem(chart.series, [&](std::size_t j, std::size_t k, const std::shared_ptr<ChartItem>& item) {
    drawCategoryLabelsOfItem(chart, geometry, options, j, k, *item);
    // Without category slots pass 1 placed no point, so there is none to mark.
    if (geometry.hasSlots()) drawPointMarker(chart, *item, item->frame().origin);
  });
}

}  // namespace

void drawChartType_line(UIChart& chart, bool pointsOnly) {
  const PlotFrameOptions options = PlotFrameOptions::line();
  const PlotGeometry geometry = drawPlotFrame(chart, options);
  placeDataPoints(chart, {geometry, positiveAndNegative, negativeOnly}, pointsOnly);
  drawLabelsAndMarkers(chart, geometry, options);
}

}  // namespace tarnavel
