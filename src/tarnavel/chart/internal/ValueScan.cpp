#include "tarnavel/chart/internal/ValueScan.h"

#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/ValueScale.h"

namespace tarnavel {

namespace {

struct DataExtremes {
  CGFloat largestPositive = 0;
  CGFloat mostNegative = 0;
};

DataExtremes extremesOf(const UIChart& chart) {
  DataExtremes extremes;
  for (const auto& series : chart.series) {
    for (const auto& item : elementOf(series).Items) {
      const CGFloat v = itemValueOf(elementOf(item));
      if (v > extremes.largestPositive && v > 0) extremes.largestPositive = v;
      if (v < extremes.mostNegative && v < 0) extremes.mostNegative = v;
    }
  }
  return extremes;
}

}  // namespace

void scanValueRange(UIChart& chart) {
  itemsCount = static_cast<CGFloat>(elementOf(chart.series.at(0)).Items.size());
  const DataExtremes extremes = extremesOf(chart);

  chart.maxValue = fittedMaxValue(chart.maxValue, extremes.largestPositive);
  chart.minValue = fittedMinValue(chart.minValue, extremes.mostNegative);

  positiveAndNegative = chart.minValue < 0 && chart.maxValue > 0;
  negativeOnly = chart.maxValue == 0 && chart.minValue < 0;
  if (negativeOnly) chart.maxValue = -chart.minValue;
}

}  // namespace tarnavel
