#include <cmath>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/PlotFrameSteps.h"

namespace tarnavel {

PlotGeometry measurePlot(const UIChart& chart, const ValueScale& scale) {
  PlotGeometry plot;
  plot.orientation = chart.orientation;
  plot.maxValue = chart.maxValue;
  plot.valueStep = scale.step;
  plot.extentFactor = positiveAndNegative ? 2.0 : 1.0;
  if (const auto& area = chart.plotArea) {
    const CGRect bounds = area->bounds(), frame = area->frame();
    plot.plotWidth = bounds.size.width;
    plot.plotHeight = bounds.size.height;
    plot.plotX = frame.origin.x;
    plot.plotY = frame.origin.y;
    plot.plotFrameHeight = frame.size.height;
    const bool horizontal = chart.orientation == ChartOrientationHorizontal;
    plot.valueExtent = (horizontal ? plot.plotWidth : plot.plotHeight) * (positiveAndNegative ? 0.5 : 1.0);
    plot.crossLength = horizontal ? plot.plotHeight : plot.plotWidth;
  }
  // Without a usable step or maximum there is no spacing: the tick passes then draw nothing.
  if (scale.hasStep() && plot.hasValueScale())
    plot.tickSpacing = mulDiv(scale.step, plot.valueExtent, plot.maxValue);
  plot.titleBand = (chart.chartTitle ? chart.chartTitle->frame().size.height : 0) + 5.0;
  return plot;
}

void fitCategorySlots(UIChart& chart, PlotGeometry& plot, bool checkItemBreadth) {
  plot.halfSlot = plot.crossLength / (2 * itemsCount);
  plot.slot = 2 * plot.halfSlot;
  if (checkItemBreadth && !(chart.itemBreadth >= 0 && chart.itemBreadth <= 1.0)) chart.itemBreadth = 0.5;
}

}  // namespace tarnavel
