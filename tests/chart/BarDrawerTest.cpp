#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "ChartTestSupport.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using testing::makeChart;

// Bars on a plot area 200 wide and 100 high whose value axis ends at 20 (the host maximum survives the
// scan for data up to 19 and rounds to itself).
std::shared_ptr<UIChart> barChart(NSUInteger type, std::initializer_list<std::initializer_list<CGFloat>> data,
                                  NSUInteger orientation = ChartOrientationVertical) {
  auto chart = makeChart(type, data);
  chart->orientation = orientation;
  chart->maxValue = 20;
  chart->plotArea->setFrame(CGRectMake(20, 30, 200, 100));
  return chart;
}

CGRect barOf(const UIChart& chart, std::size_t j, std::size_t k) {
  return chart.series.at(j)->Items.at(k)->frame();
}

bool inPlot(const UIChart& chart, const std::shared_ptr<UIView>& view) {
  const auto& views = chart.plotArea->subviews();
  return std::find(views.begin(), views.end(), view) != views.end();
}

class BarDrawerTest : public ::testing::Test {
 protected:
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 10)};
};

TEST_F(BarDrawerTest, GroupedBarsStandSideBySideInTheirSlot) {
  auto chart = barChart(ChartTypeBar, {{10, 4, 0, 19}, {5, 10, 10, 10}});
  chart->DataBind();
  EXPECT_EQ(chart->maxValue, 20);
  EXPECT_EQ(barOf(*chart, 0, 0), CGRectMake(12.5, 50, 12.5, 50));
  EXPECT_EQ(barOf(*chart, 1, 0), CGRectMake(25, 75, 12.5, 25));
  EXPECT_EQ(barOf(*chart, 0, 2), CGRectMake(112.5, 100, 12.5, 0));
  EXPECT_EQ(barOf(*chart, 1, 3), CGRectMake(175, 50, 12.5, 50));
  for (const auto& series : chart->series) {
    for (const auto& item : series->Items)
      EXPECT_TRUE(inPlot(*chart, item));
  }
}

TEST_F(BarDrawerTest, NegativeBarsAreStandardisedOnBothAxes) {
  auto vertical = barChart(ChartTypeBar, {{10, -10}});
  vertical->DataBind();
  ASSERT_TRUE(positiveAndNegative);
  EXPECT_EQ(vertical->minValue, -20);
  EXPECT_EQ(barOf(*vertical, 0, 0), CGRectMake(25, 25, 50, 25));
  EXPECT_EQ(barOf(*vertical, 0, 1), CGRectMake(125, 50, 50, 25));

  auto horizontal = barChart(ChartTypeBar, {{10, -10}}, ChartOrientationHorizontal);
  horizontal->DataBind();
  EXPECT_EQ(barOf(*horizontal, 0, 0), CGRectMake(100, 12.5, 50, 25));
  EXPECT_EQ(barOf(*horizontal, 0, 1), CGRectMake(50, 62.5, 50, 25));

  auto hanging = barChart(ChartTypeBar, {{-10, -5}});
  hanging->maxValue = kChartUnsetMaxValue;
  hanging->minValue = -20;
  hanging->DataBind();
  ASSERT_TRUE(negativeOnly);
  EXPECT_EQ(barOf(*hanging, 0, 0), CGRectMake(25, 0, 50, 50));
  EXPECT_EQ(barOf(*hanging, 0, 1), CGRectMake(125, 0, 50, 25));
}

TEST_F(BarDrawerTest, OrientationWithoutBarsKeepsTheItemFramesButStillFillsAndAddsThem) {
  auto chart = barChart(ChartTypeBarStacked, {{10, 5}}, 2);
  chart->series[0]->Items[1]->setFrame(CGRectMake(1, 2, 3, 4));
  chart->DataBind();
  EXPECT_EQ(barOf(*chart, 0, 0), CGRectZero);
  EXPECT_EQ(barOf(*chart, 0, 1), CGRectMake(1, 2, 3, 4));
  EXPECT_TRUE(inPlot(*chart, chart->series[0]->Items[1]));
  EXPECT_EQ(chart->series[0]->Items[1]->layoutStyle, 1u);
}

TEST_F(BarDrawerTest, ItemBreadthOutsideItsRangeIsStoredBackAsAHalf) {
  struct Case {
    CGFloat given, stored;
  };
  for (NSUInteger type : {ChartTypeBar, ChartTypeBarStacked}) {
    for (const Case& c : {Case{1.5, 0.5}, Case{-0.2, 0.5}, Case{0, 0}, Case{1, 1}}) {
      auto chart = barChart(type, {{10, 10}});
      chart->itemBreadth = c.given;
      chart->DataBind();
      EXPECT_EQ(chart->itemBreadth, c.stored) << "type " << type << ", breadth " << c.given;
      EXPECT_EQ(barOf(*chart, 0, 1).size.width, 100 * c.stored);
    }
  }
}

TEST_F(BarDrawerTest, StackedBarsStartWhereTheEarlierOnesOfTheirSignEnded) {
  auto chart = barChart(ChartTypeBarStacked, {{10, 2}, {5, 2}});
  chart->DataBind();
  EXPECT_EQ(chart->maxValue, 20);
  EXPECT_EQ(barOf(*chart, 0, 0), CGRectMake(25, 50, 50, 50));
  EXPECT_EQ(barOf(*chart, 1, 0), CGRectMake(25, 25, 50, 25));
  EXPECT_EQ(barOf(*chart, 1, 1), CGRectMake(125, 80, 50, 10));

  auto mixed = barChart(ChartTypeBarStacked, {{10}, {-4}, {-2}, {0}});
  mixed->DataBind();
  ASSERT_TRUE(positiveAndNegative);
  EXPECT_EQ(mixed->minValue, -20);
  EXPECT_EQ(barOf(*mixed, 0, 0), CGRectMake(50, 25, 100, 25));
  EXPECT_EQ(barOf(*mixed, 1, 0), CGRectMake(50, 50, 100, 10));
  EXPECT_EQ(barOf(*mixed, 2, 0), CGRectMake(50, 60, 100, 5));
  // A value of 0 stands at the end of the positive stack.
  EXPECT_EQ(barOf(*mixed, 3, 0), CGRectMake(50, 25, 100, 0));

  auto across = barChart(ChartTypeBarStacked, {{10}, {-4}, {4}}, ChartOrientationHorizontal);
  across->DataBind();
  EXPECT_EQ(barOf(*across, 0, 0), CGRectMake(100, 25, 50, 50));
  EXPECT_EQ(barOf(*across, 1, 0), CGRectMake(80, 25, 20, 50));
  EXPECT_EQ(barOf(*across, 2, 0), CGRectMake(150, 25, 20, 50));

  // The running sums are single-precision numbers: on an axis to 30, a bar of 10 is 100/3 points long,
  // and the bar stacked on it starts where that length ends as a float.
  auto thirds = barChart(ChartTypeBarStacked, {{10}, {5}});
  thirds->maxValue = 30;
  thirds->DataBind();
  ASSERT_EQ(thirds->maxValue, 30);
  const CGFloat firstLength = 100 * 10 / 30.0;
  const CGFloat secondLength = 100 * 5 / 30.0;
  EXPECT_EQ(barOf(*thirds, 1, 0).origin.y, 100 - secondLength - static_cast<float>(firstLength));
}

TEST_F(BarDrawerTest, LaterStackedSeriesLongerThanTheFirstEndsTheDrawerThere) {
  auto chart = barChart(ChartTypeBarStacked, {{1, 2}, {3, 4, 5}});
  chart->DataBind();
  const auto& longer = chart->series[1]->Items;
  EXPECT_TRUE(inPlot(*chart, longer[1]));
  EXPECT_FALSE(inPlot(*chart, longer[2]));
  EXPECT_EQ(longer[2]->layoutStyle, kChartItemUnset) << "the surplus item was not touched";
  EXPECT_EQ(longer[2]->frame(), CGRectZero);
  // No value titles after the marks, but the bind itself went on.
  EXPECT_FALSE(inPlot(*chart, chart->series[0]->Items[0]->Title));
  EXPECT_EQ(chart->subviews().back(), chart->plotArea);
  EXPECT_EQ(chart->gestureRecognizers().size(), 1u);

  // Grouped bars have no such limit: the surplus item lies beyond the last slot.
  auto grouped = barChart(ChartTypeBar, {{1, 2}, {3, 4, 5}});
  grouped->DataBind();
  EXPECT_EQ(barOf(*grouped, 1, 2).origin.x, 250);
  EXPECT_TRUE(inPlot(*grouped, grouped->series[0]->Items[0]->Title));
}

TEST_F(BarDrawerTest, FirstSeriesWithoutItemsPlacesNoBarAndNoValueTitle) {
  for (NSUInteger type : {ChartTypeBar, ChartTypeBarStacked}) {
    auto chart = barChart(type, {{}, {3, 4}});
    chart->DataBind();
    for (const auto& item : chart->series[1]->Items) {
      EXPECT_FALSE(inPlot(*chart, item));
      EXPECT_FALSE(inPlot(*chart, item->Title)) << "a title has no place without its bar";
    }
    EXPECT_EQ(chart->subviews().back(), chart->plotArea) << "the bind goes on";
  }
}

TEST_F(BarDrawerTest, BarsWriteTheirItemDefaultsBackAndAreFilledOnce) {
  auto chart = barChart(ChartTypeBar, {{10}});
  const auto item = chart->series[0]->Items[0];
  item->titleVerticalLocation = ChartVerticalLocationMiddle;
  chart->DataBind();
  chart->DataBind();
  EXPECT_EQ(item->layoutStyle, 1u);
  EXPECT_EQ(item->titleVerticalLocation, 1u) << "a host value is kept";
  EXPECT_EQ(item->titleHorizontalLocation, 0u);
  ASSERT_EQ(item->layer()->sublayers().size(), 1u);
  const auto* fill = dynamic_cast<const QnGradientLayer*>(item->layer()->sublayers()[0].get());
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill->frame(), item->bounds());
}

TEST_F(BarDrawerTest, ValuesWithoutAScaleGiveFiniteFlatBars) {
  const CGFloat nan = std::numeric_limits<CGFloat>::quiet_NaN();
  for (NSUInteger type : {ChartTypeBar, ChartTypeBarStacked}) {
    auto zeros = barChart(type, {{0, 0}, {nan, 0}});
    zeros->maxValue = kChartUnsetMaxValue;
    zeros->DataBind();
    for (std::size_t j = 0; j < 2; ++j) {
      for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_TRUE(CGRectIsFinite(barOf(*zeros, j, k)));
        EXPECT_EQ(barOf(*zeros, j, k).size.height, 0);
      }
    }
  }
}

TEST_F(BarDrawerTest, RenderedBarsShowTheirFillAtTheirCentre) {
  auto chart = barChart(ChartTypeBar, {{10, 15}, {-5, 8}});
  const RGBA8 colours[2] = {{200, 40, 40, 255}, {40, 90, 200, 255}};
  for (std::size_t j = 0; j < 2; ++j) {
    for (const auto& item : chart->series[j]->Items) {
      item->layoutStyle = ChartLayoutStylePlain;
      item->setBackgroundColor(
          UIColor::colorWithRed(colours[j].r / 255.0, colours[j].g / 255.0, colours[j].b / 255.0, 1));
    }
  }
  chart->DataBind();
  RenderOptions options;
  options.background = UIColor::whiteColor();
  const auto image = renderToImage(*chart, options);
  ASSERT_NE(image, nullptr);
  const CGPoint plot = chart->plotArea->frame().origin;
  for (std::size_t j = 0; j < 2; ++j) {
    for (std::size_t k = 0; k < 2; ++k) {
      const CGRect bar = barOf(*chart, j, k);
      const int x = static_cast<int>(plot.x + CGRectGetMidX(bar));
      const int y = static_cast<int>(plot.y + CGRectGetMidY(bar));
      EXPECT_TRUE(testing::pixelNear(*image, x, y, colours[j])) << "series " << j << " item " << k;
      // Beside the group, at the same height: the background.
      EXPECT_TRUE(
          testing::pixelNear(*image, static_cast<int>(plot.x + 100 * k + 5), y, {255, 255, 255, 255}));
    }
  }
}

}  // namespace
}  // namespace tarnavel
