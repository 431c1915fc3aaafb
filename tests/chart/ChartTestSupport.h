#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"

namespace tarnavel::testing {

inline std::shared_ptr<ChartSeries> makeSeries(std::initializer_list<CGFloat> values) {
  auto series = std::make_shared<ChartSeries>();
  for (CGFloat v : values) {
    auto item = std::make_shared<ChartItem>();
    item->value = v;
    series->Items.push_back(item);
  }
  return series;
}

/// A 320 x 480 chart of the given type holding one series per list of values.
inline std::shared_ptr<UIChart> makeChart(
    NSUInteger chartType, std::initializer_list<std::initializer_list<CGFloat>> seriesValues) {
  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 480));
  chart->chartType = chartType;
  for (const auto& values : seriesValues)
    chart->series.push_back(makeSeries(values));
  return chart;
}

}  // namespace tarnavel::testing
