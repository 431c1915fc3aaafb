#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/PlotFrameSteps.h"
#include "tarnavel/chart/internal/SegmentLayer.h"

namespace tarnavel {

namespace {

struct Tick {
  CGFloat pos;
  long long index;
  bool labelled;
  bool downward;
};

void addValueLabel(UIChart& chart, const PlotGeometry& plot, const Tick& tick) {
  auto label = std::make_shared<UILabel>();
  label->setTextColor(chart.yAxisLabelsTextColor);
  label->setFont(chart.yAxisLabelsFont);
  label->setText(valueLabelText(tick.index, plot.valueStep, tick.downward));
  const CGSize text = textSizeOf(label.get());
  if (plot.orientation == ChartOrientationVertical) {
    label->setFrame(CGRectMake(plot.plotX - 2 - text.width, plot.plotY + tick.pos - 0.5 - text.height / 2,
                               text.width, text.height));
    label->textAlignment = NSTextAlignment::Right;
  } else {
    // One label height below the plot.
    label->setFrame(CGRectMake(plot.plotX + plot.valueExtent * plot.extentFactor - tick.pos - text.width / 2,
                               plot.plotY + plot.plotFrameHeight + text.height, text.width, text.height));
    label->textAlignment = NSTextAlignment::Left;
  }
  addToChartView(chart, std::move(label));
}

void addValueGridLine(UIChart& chart, const PlotGeometry& plot, const Tick& tick) {
  if (!chart.plotArea) return;
  const CGFloat width = chart.hatchLineWidth + (tick.labelled ? 0.1 : 0);
  CGPoint from, to;
  if (plot.orientation == ChartOrientationVertical) {
    from = {tick.labelled ? -5.0 : 0.0, tick.pos};
    to = {plot.crossLength, tick.pos};
  } else {
    const CGFloat x = plot.valueExtent * plot.extentFactor - tick.pos;
    from = {x, 0};
    to = {x, plot.crossLength + 1};
  }
  bindRecordOf(chart).addSublayer(chart.plotArea->layer(),
                                  makeSegmentLayer(from, to, width, chart.foregroundColor));
}

void drawPass(UIChart& chart, const PlotGeometry& plot, TickPass pass, CGFloat zero, CGFloat end) {
  const int units = chart.yAxisScaleUnitsCount;
  if (units <= 0) return;  // no labelled ticks to count by, and no step to draw
  for (const AxisTick& at : passTicks(pass, zero, end, plot.tickSpacing, units)) {
    const Tick tick{at.pos, at.index, at.index % units == 0, pass == TickPass::Downward};
    if (tick.labelled && !chart.yAxisLabelsHidden) addValueLabel(chart, plot, tick);
    if (!chart.yAxisLinesHidden) addValueGridLine(chart, plot, tick);
  }
}

}  // namespace

void drawValueAxis(UIChart& chart, const PlotGeometry& plot) {
  const CGFloat extent = plot.valueExtent;
  if (negativeOnly) {
    drawPass(chart, plot, TickPass::Downward, 0, extent);
    return;
  }
  drawPass(chart, plot, TickPass::Upward, extent, 0);
  if (positiveAndNegative) drawPass(chart, plot, TickPass::Downward, extent, 2 * extent);
}

}  // namespace tarnavel
