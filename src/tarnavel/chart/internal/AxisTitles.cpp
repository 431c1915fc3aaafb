#include <cmath>
#include <numbers>
#include <optional>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/PlotFrameSteps.h"
#include "tarnavel/chart/internal/SegmentLayer.h"

namespace tarnavel {

namespace {

std::optional<CGRect> valueTitleFrame(const UIChart& chart, const PlotGeometry& plot, CGSize text) {
  const NSUInteger location = chart.yAxisTitleVerticalLocation;
  if (plot.orientation == ChartOrientationVertical) {
    // Down the left edge; the top location keeps one title height below the band.
    const CGFloat dy = location == 0 ? text.height : alongSide(location, plot.plotHeight, text.height);
    return CGRectMake(10 - text.height, plot.titleBand + dy, text.width, text.height);
  }
  if (plot.orientation == ChartOrientationHorizontal) {
    // Across the zero line: right, centre or left by the location; E, not the plot height.
    const CGFloat x = location == 0   ? plot.plotX + plot.plotWidth - text.width
                      : location == 1 ? plot.plotX + plot.plotWidth / 2 - text.width / 2
                                      : plot.plotX;
    const CGFloat y = plot.titleBand + (negativeOnly ? -text.height : plot.valueExtent);
    return CGRectMake(x, y, text.width, text.height);
  }
  return std::nullopt;
}

std::optional<CGRect> categoryTitleFrame(const UIChart& chart, const PlotGeometry& plot, CGSize text) {
  const NSUInteger location = chart.xAxisTitleHorizontalLocation;
  if (plot.orientation == ChartOrientationVertical) {
    const CGFloat x = plot.plotX + alongSide(location, plot.plotWidth, text.width);
    const CGFloat y = plot.titleBand + (negativeOnly ? -text.height : plot.valueExtent * plot.extentFactor);
    return CGRectMake(x + chart.xAxisTitleXshift, y + chart.xAxisTitleYshift, text.width, text.height);
  }
  if (plot.orientation == ChartOrientationHorizontal) {
    // Down the left edge, from the bottom for location 0 and from the top for location 2.
    const CGFloat dy = location == 0   ? plot.plotHeight - text.height
                       : location == 1 ? plot.plotHeight / 2 - text.height / 2
                       : location == 2 ? text.height
                                       : 0;
    return CGRectMake(10 - text.height + chart.xAxisTitleXshift, plot.titleBand + dy + chart.xAxisTitleYshift,
                      text.width, text.height);
  }
  return std::nullopt;
}

}  // namespace

CGFloat alongSide(NSUInteger location, CGFloat side, CGFloat text) {
  if (location == 1) return side / 2 - text / 2;
  if (location == 2) return side - text;
  return 0;
}

void placeAxisTitle(UIChart& chart, const std::shared_ptr<UILabel>& title, CGFloat angleDegrees,
                    const std::function<std::optional<CGRect>(CGSize)>& frameOf) {
  if (!title || title->text() == std::optional<std::string>("")) return;
  if (CGRectIsEmpty(title->frame())) {
    if (const std::optional<CGRect> frame = frameOf(textSizeOf(title.get()))) title->setFrame(*frame);
  }
  addToChartView(chart, title);
  const CGFloat radians = angleDegrees * std::numbers::pi / 180;
  if (std::isfinite(radians)) title->setTransform(CGAffineTransformMakeRotation(radians));
}

void placeAxisTitles(UIChart& chart, const PlotGeometry& plot) {
  placeAxisTitle(chart, chart.yAxisTitleLabel, chart.yAxisTitleLabelRotationAngle,
                 [&](CGSize text) { return valueTitleFrame(chart, plot, text); });
  placeAxisTitle(chart, chart.xAxisTitleLabel, chart.xAxisTitleLabelRotationAngle,
                 [&](CGSize text) { return categoryTitleFrame(chart, plot, text); });
}

}  // namespace tarnavel
