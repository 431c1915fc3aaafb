#include "tarnavel/chart/internal/PlotFrame.h"

#include <cmath>

#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/PlotFrameSteps.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

bool isFinite(CGFloat v) {
  return std::isfinite(v);
}

}  // namespace

bool PlotGeometry::hasValueScale() const {
  return maxValue > 0 && isFinite(maxValue) && isFinite(valueExtent);
}

bool PlotGeometry::hasSlots() const {
  return isFinite(halfSlot) && isFinite(slot);
}

CGFloat PlotGeometry::valueLength(CGFloat value) const {
  const CGFloat length = mulDiv(value, valueExtent, maxValue);
  return isFinite(length) ? length : 0;
}

CGFloat PlotGeometry::regionLength(CGFloat span) const {
  if (!hasValueScale()) return 0;
  return valueStep > 0 ? mulDiv(span, tickSpacing, valueStep) : mulDiv(span, valueExtent, maxValue);
}

CGFloat PlotGeometry::slotCentre(std::size_t k) const {
  return halfSlot + slot * static_cast<CGFloat>(k);
}

void addToChartView(UIChart& chart, std::shared_ptr<UIView> view) {
  if (const std::shared_ptr<UIView> self = chart.weak_from_this().lock()) {
    bindRecordOf(chart).addSubview(self, std::move(view));
  } else {
    chart.addSubview(std::move(view));
  }
}

void computeStackedRange(UIChart& chart) {
  itemsCount =
      static_cast<CGFloat>(elementOf(chart.series.at(checkedIndex(0, chart.series.size()))).Items.size());
  CGFloat maxSum = 0, minSum = 0;
  for (const auto& series : chart.series) {
    CGFloat largest = 0, smallest = 0;
    for (const auto& item : elementOf(series).Items) {
      const CGFloat v = itemValueOf(elementOf(item));
      if (v > largest && v > 0) largest = v;
      if (v < smallest && v < 0) smallest = v;
    }
    maxSum += largest;
    minSum += smallest;
  }
  chart.maxValue = fittedMaxValue(chart.maxValue, maxSum);
  chart.minValue = fittedMinValue(chart.minValue, minSum);
  positiveAndNegative = chart.minValue < 0 && chart.maxValue > 0;
  // Otherwise the flag stays as the bind's value scan left it: that scan saw the same signs.
  if (chart.maxValue == 0 && chart.minValue < 0) {
    negativeOnly = true;
    chart.maxValue = -chart.minValue;
  }
}

ValueScale fitValueScale(UIChart& chart) {
  const int units = chart.yAxisScaleUnitsCount;
  ValueScale scale = roundValueScale(chart.maxValue, units);
  chart.maxValue = scale.maximum;
  if (positiveAndNegative) {
    ValueRange range{chart.maxValue, chart.minValue};
    scale = splitSymmetric(range, scale, units);
    chart.maxValue = range.maxValue;
    chart.minValue = range.minValue;
  }
  return scale;
}

PlotGeometry drawPlotFrame(UIChart& chart, const PlotFrameOptions& options) {
  if (options.stackedRange) computeStackedRange(chart);
  PlotGeometry plot = measurePlot(chart, fitValueScale(chart));
  drawValueAxis(chart, plot);
  placeAxisTitles(chart, plot);
  fitCategorySlots(chart, plot, options.checkItemBreadth);
  drawMarkedRegions(chart, plot);
  return plot;
}

void drawCategoryLabelsOfItem(UIChart& chart, const PlotGeometry& plot, const PlotFrameOptions& options,
                              std::size_t seriesIndex, std::size_t itemIndex, ChartItem& item) {
  placeValueTitle(chart, plot, options.valueTitleRule, item);
  if (!chart.xAxisLinesHidden && seriesIndex == 0) drawCategoryGridLine(chart, plot, itemIndex);
  if (!chart.xAxisLabelsHidden) placeCategoryLabel(chart, plot, options.categoryLabelOffset, itemIndex, item);
}

void drawCategoryLabels(UIChart& chart, const PlotGeometry& plot, const PlotFrameOptions& options) {
  for (std::size_t j = 0; j < chart.series.size(); ++j) {
    const std::shared_ptr<ChartSeries> series = chart.series[j];
    for (std::size_t k = 0; k < elementOf(series).Items.size(); ++k) {
      const std::shared_ptr<ChartItem> item = series->Items[k];
      drawCategoryLabelsOfItem(chart, plot, options, j, k, elementOf(item));
    }
  }
}

}  // namespace tarnavel
