#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/PlotFrame.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace tarnavel {

// A chart prepared as a bind leaves it for its drawer: subviews cleared, the plot area framed at
// (20, 30, 200, 100) and not added, the value range and the three shared flags set by hand.
class PlotFixture : public ::testing::Test {
 protected:
  // Every character 5 points wide and every line 8 high: "30" measures 10 x 8.
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 8)};
  std::shared_ptr<UIChart> chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 240));

  void SetUp() override {
    chart->plotArea->setFrame(CGRectMake(20, 30, 200, 100));
    chart->chartTitle->setFrame(CGRectMake(0, 0, 100, 15));  // title band 20
    setRange(37, 0, false, false);
    itemsCount = 4;
  }

  void setRange(CGFloat maxValue, CGFloat minValue, bool bothSigns, bool negativeData) {
    chart->maxValue = maxValue;
    chart->minValue = minValue;
    positiveAndNegative = bothSigns;
    negativeOnly = negativeData;
  }

  std::shared_ptr<ChartSeries> addSeries(const std::vector<CGFloat>& values) {
    auto series = std::make_shared<ChartSeries>();
    for (const CGFloat v : values) {
      auto item = std::make_shared<ChartItem>();
      item->value = v;
      series->Items.push_back(item);
    }
    chart->series.push_back(series);
    return series;
  }

  // The value labels: the labels on the chart that are not its two axis titles.
  std::vector<std::shared_ptr<UILabel>> valueLabels() const {
    std::vector<std::shared_ptr<UILabel>> labels;
    for (const auto& view : chart->subviews()) {
      auto label = std::dynamic_pointer_cast<UILabel>(view);
      if (label && label != chart->yAxisTitleLabel && label != chart->xAxisTitleLabel)
        labels.push_back(label);
    }
    return labels;
  }

  std::vector<std::string> valueLabelTexts() const {
    std::vector<std::string> texts;
    for (const auto& label : valueLabels())
      texts.push_back(label->text().value_or("(null)"));
    return texts;
  }

  std::vector<std::shared_ptr<CAShapeLayer>> gridLines() const {
    std::vector<std::shared_ptr<CAShapeLayer>> lines;
    for (const auto& layer : chart->plotArea->layer()->sublayers()) {
      if (auto line = std::dynamic_pointer_cast<CAShapeLayer>(layer)) lines.push_back(line);
    }
    return lines;
  }

  static CGPoint lineStart(const CAShapeLayer& line) { return line.path->elements().at(0).points[0]; }
  static CGPoint lineEnd(const CAShapeLayer& line) { return line.path->elements().at(1).points[0]; }
};

}  // namespace tarnavel
