#include "tarnavel/chart/ValueScan.h"

#include <cmath>

#include "tarnavel/chart/ChartElements.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"

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

// A host bound that is not a number cannot be kept: it counts as not set.
CGFloat finiteOr(CGFloat value, CGFloat unset) {
  return std::isfinite(value) ? value : unset;
}

}  // namespace

void scanValueRange(UIChart& chart) {
  itemsCount = static_cast<CGFloat>(elementOf(chart.series.at(0)).Items.size());
  const DataExtremes extremes = extremesOf(chart);

  if (extremes.largestPositive == 0) {
    chart.maxValue = 0;
  } else {
    const CGFloat candidate = extremes.largestPositive + extremes.largestPositive / 20;
    chart.maxValue = finiteOr(chart.maxValue, -1);
    if (chart.maxValue < 0) chart.maxValue = candidate;
    if (chart.maxValue < candidate) chart.maxValue = candidate;
  }

  if (extremes.mostNegative == 0) {
    chart.minValue = 0;
  } else {
    const CGFloat candidate = extremes.mostNegative + extremes.mostNegative / 20;
    chart.minValue = finiteOr(chart.minValue, 1);
    if (chart.minValue > 0) chart.minValue = candidate;
    if (chart.minValue > candidate) chart.minValue = candidate;
  }

  positiveAndNegative = chart.minValue < 0 && chart.maxValue > 0;
  negativeOnly = chart.maxValue == 0 && chart.minValue < 0;
  if (negativeOnly) chart.maxValue = -chart.minValue;
}

}  // namespace tarnavel
