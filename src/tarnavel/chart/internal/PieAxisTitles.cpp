#include <optional>

#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/PieDrawer.h"
#include "tarnavel/chart/internal/PlotFrameSteps.h"

namespace tarnavel {

namespace {

// Down the left edge, below the title band: the top location keeps one title height below the band.
CGRect pieValueTitleFrame(const UIChart& chart, CGSize text) {
  const CGFloat band = (chart.chartTitle ? chart.chartTitle->frame().size.height : 0) + 5.0;
  const NSUInteger location = chart.yAxisTitleVerticalLocation;
  const CGFloat plotHeight = chart.plotArea->bounds().size.height;
  const CGFloat dy = location == 0 ? text.height : alongSide(location, plotHeight, text.height);
  return CGRectMake(10 - text.height, band + dy, text.width, text.height);
}

// Just under the plot area, along its width by the location, moved by the host's shifts.
CGRect pieCategoryTitleFrame(const UIChart& chart, CGSize text) {
  const CGRect plot = chart.plotArea->frame();
  const CGFloat plotWidth = chart.plotArea->bounds().size.width;
  const CGFloat x = plot.origin.x + alongSide(chart.xAxisTitleHorizontalLocation, plotWidth, text.width);
  const CGFloat y = plot.origin.y + plot.size.height;
  return CGRectMake(x + chart.xAxisTitleXshift, y + chart.xAxisTitleYshift, text.width, text.height);
}

}  // namespace

void placePieAxisTitles(UIChart& chart) {
  placeAxisTitle(chart, chart.yAxisTitleLabel, chart.yAxisTitleLabelRotationAngle,
                 [&](CGSize text) { return std::optional(pieValueTitleFrame(chart, text)); });
  placeAxisTitle(chart, chart.xAxisTitleLabel, chart.xAxisTitleLabelRotationAngle,
                 [&](CGSize text) { return std::optional(pieCategoryTitleFrame(chart, text)); });
}

}  // namespace tarnavel
