#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "ChartTestSupport.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace tarnavel {
namespace {

using testing::makeChart;

// Bar charts bound whole, read back through the value labels and grid lines the bind left.
class ValueScaleBind : public ::testing::Test {
 protected:
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 8)};

  static std::shared_ptr<UIChart> bound(std::initializer_list<CGFloat> data, int units,
                                        CGFloat hostMax = kChartUnsetMaxValue) {
    auto chart = makeChart(ChartTypeBar, {data});
    chart->yAxisScaleUnitsCount = units;
    chart->maxValue = hostMax;
    chart->DataBind();
    return chart;
  }

  static std::vector<std::string> valueLabelTexts(const UIChart& chart) {
    std::vector<std::string> texts;
    for (const auto& view : chart.subviews()) {
      auto label = std::dynamic_pointer_cast<UILabel>(view);
      if (!label || label == chart.chartTitle || label == chart.yAxisTitleLabel ||
          label == chart.xAxisTitleLabel)
        continue;
      texts.push_back(label->text().value_or("(null)"));
    }
    return texts;
  }

  static std::vector<std::shared_ptr<CAShapeLayer>> gridLines(const UIChart& chart) {
    std::vector<std::shared_ptr<CAShapeLayer>> lines;
    for (const auto& layer : chart.plotArea->layer()->sublayers()) {
      if (auto line = std::dynamic_pointer_cast<CAShapeLayer>(layer)) lines.push_back(line);
    }
    return lines;
  }
};

struct ScaleCase {
  const char* name;
  std::initializer_list<CGFloat> data;
  int units;
  CGFloat hostMax;
  CGFloat maxValue;
  std::size_t ticks;
  std::vector<std::string> labels;
};

TEST_F(ValueScaleBind, RoundsTheMaximumToAStepOfItsDecadeAndLabelsWholeMultiples) {
  const CGFloat unset = kChartUnsetMaxValue;
  const ScaleCase cases[] = {
      // The worked examples of the rounding.
      {"37 by 4", {10}, 4, 37, 37.5, 16, {"0", "10", "20", "30"}},
      {"0.37 by 4", {0.1}, 4, 0.37, 0.375, 16, {"0", "0.10", "0.20", "0.30"}},
      {"100 by 4", {10}, 4, 100, 100, 5, {"0", "100"}},
      {"12 by 5", {10}, 5, 12, 12, 7, {"0", "10"}},
      {"just below a decade",
       {10},
       4,
       99.99999,
       100,
       41,
       {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}},
      // Steps that are not whole numbers still label the decade's multiples as whole numbers.
      {"35.24 by 3", {35.24}, 3, unset, 40, 13, {"0", "10", "20", "30", "40"}},
      {"35.24 by 5", {35.24}, 5, unset, 38, 20, {"0", "10", "20", "30"}},
      {"35.24 by 6", {35.24}, 6, unset, 115.0 / 3, 24, {"0", "10", "20", "30"}},
      {"35.24 by 7", {35.24}, 7, unset, 260.0 / 7, 27, {"0", "10", "20", "30"}},
      {"520 by 3", {520}, 3, unset, 1700.0 / 3, 18, {"0", "100", "200", "300", "400", "500"}},
      // A maximum on a step stays there: no extra step on top.
      {"1.2 by 5", {1}, 5, 1.2, 1.2, 7, {"0", "1"}},
      {"0.12 by 5", {0.1}, 5, 0.12, 0.12, 7, {"0", "0.10"}},
      // Large values label whole multiples of their decade, beyond the range of a 32-bit integer.
      {"1.23e11", {1.23e11}, 4, unset, 1.5e11, 7, {"0", "100000000000"}},
      {"3e12", {3e12}, 4, unset, 3.25e12, 14, {"0", "1000000000000", "2000000000000", "3000000000000"}},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto chart = bound(c.data, c.units, c.hostMax);
    EXPECT_NEAR(chart->maxValue, c.maxValue, 1e-12 * c.maxValue);
    EXPECT_EQ(gridLines(*chart).size(), c.ticks);
    EXPECT_EQ(valueLabelTexts(*chart), c.labels);
  }
}

TEST_F(ValueScaleBind, ExtremeMagnitudesKeepAnAxis) {
  for (const CGFloat value : {1e300, 1e-300}) {
    SCOPED_TRACE(value);
    const auto chart = bound({value}, 4);
    EXPECT_NEAR(chart->maxValue, 1.25 * value, 1e-12 * value);
    EXPECT_EQ(gridLines(*chart).size(), 6u);
    EXPECT_EQ(valueLabelTexts(*chart).size(), 2u);
    for (const auto& line : gridLines(*chart))
      EXPECT_TRUE(std::isfinite(line->path->elements().at(0).points[0].y));
  }
}

TEST_F(ValueScaleBind, ValuesNearTheLargestDoubleKeepTheirProportions) {
  // Lengths and sweeps whose product would overflow divide first; the range stays finite.
  const auto cylinders = makeChart(ChartTypeCylinder, {{1e306, 5e305}});
  const auto pie = makeChart(ChartTypePie, {{1e306, 5e305}});
  const auto line = makeChart(ChartTypeLine, {{1.6e308, 0.8e308}});
  const auto highest = makeChart(ChartTypeLine, {{1.75e308, 0.8e308}});
  for (const auto& chart : {cylinders, pie, line, highest}) {
    chart->DataBind();
    EXPECT_TRUE(std::isfinite(chart->maxValue));
  }
  const auto frameOf = [](const UIChart& chart, std::size_t k) { return chart.series[0]->Items[k]->frame(); };
  EXPECT_GT(frameOf(*cylinders, 1).size.height, 0);
  EXPECT_DOUBLE_EQ(frameOf(*cylinders, 0).size.height, 2 * frameOf(*cylinders, 1).size.height);
  EXPECT_FLOAT_EQ(frameOf(*pie, 0).size.width, 240);
  EXPECT_FLOAT_EQ(frameOf(*pie, 1).size.width, 120);
  for (const auto& chart : {line, highest}) {
    const CGFloat zeroLine = chart->plotArea->bounds().size.height;
    EXPECT_LT(frameOf(*chart, 0).origin.y, frameOf(*chart, 1).origin.y);
    EXPECT_LT(frameOf(*chart, 1).origin.y, zeroLine);
    for (const std::string& text : valueLabelTexts(*chart))
      EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos) << text;
  }
}

TEST_F(ValueScaleBind, BothSignsSplitOnTheRoundedLargerSide) {
  struct SplitCase {
    std::initializer_list<CGFloat> data;
  };
  for (const SplitCase& c : {SplitCase{{5, -100}}, SplitCase{{-5, 100}}}) {
    SCOPED_TRACE(*c.data.begin());
    const auto chart = bound(c.data, 4);
    EXPECT_EQ(chart->maxValue, 125);
    EXPECT_EQ(chart->minValue, -125);
    EXPECT_EQ(valueLabelTexts(*chart), (std::vector<std::string>{"0", "100", "0", "-100"}));
    EXPECT_EQ(gridLines(*chart).size(), 12u);
  }

  // A small positive side against a huge negative one still draws a readable axis.
  const auto chart = bound({0.001, -1000}, 4);
  EXPECT_EQ(chart->maxValue, 1250);
  EXPECT_EQ(chart->minValue, -1250);
  EXPECT_EQ(valueLabelTexts(*chart), (std::vector<std::string>{"0", "1000", "0", "-1000"}));
}

TEST_F(ValueScaleBind, AHugeUnitsCountDrawsTheLabelledTicksAlone) {
  const auto chart = bound({10}, 1000000, 37);
  EXPECT_EQ(valueLabelTexts(*chart), (std::vector<std::string>{"0", "10", "20", "30"}));
  const auto lines = gridLines(*chart);
  ASSERT_EQ(lines.size(), 4u);
  for (const auto& line : lines) {
    EXPECT_EQ(line->lineWidth, chart->hatchLineWidth + 0.1);
    EXPECT_EQ(line->path->elements().at(0).points[0].x, -5);
  }
}

}  // namespace
}  // namespace tarnavel
