#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "ChartTestSupport.h"
#include "ChartTreeSignature.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using testing::makeChart;

// An area chart whose value axis ends at 10 on a plot area 100 high (or wide, laid horizontally), with
// categories 20 apart: two items need a cross length of 40.
std::shared_ptr<UIChart> areaChart(NSUInteger type,
                                   std::initializer_list<std::initializer_list<CGFloat>> data,
                                   CGFloat crossLength = 40,
                                   NSUInteger orientation = ChartOrientationVertical) {
  auto chart = makeChart(type, data);
  chart->orientation = orientation;
  chart->maxValue = 10;
  const bool vertical = orientation == ChartOrientationVertical;
  chart->plotArea->setFrame(CGRectMake(20, 30, vertical ? crossLength : 100, vertical ? 100 : crossLength));
  return chart;
}

// The fill carriers on the plot area's layer, in drawing order: the layers masked by a band.
std::vector<std::shared_ptr<CALayer>> carriersOf(const UIChart& chart) {
  std::vector<std::shared_ptr<CALayer>> carriers;
  for (const auto& layer : chart.plotArea->layer()->sublayers()) {
    if (layer->mask) carriers.push_back(layer);
  }
  return carriers;
}

std::vector<CGPoint> bandPoints(const CALayer& carrier) {
  std::vector<CGPoint> points;
  const auto* band = dynamic_cast<const CAShapeLayer*>(carrier.mask.get());
  if (!band || !band->path) return points;
  for (const auto& element : band->path->elements())
    points.push_back(element.points[0]);
  return points;
}

CGPoint pointOf(const UIChart& chart, std::size_t j, std::size_t k) {
  const CGRect f = chart.series.at(j)->Items.at(k)->frame();
  EXPECT_EQ(f.size, (CGSize{0.1, 0.1})) << "item " << j << ", " << k << " is a point";
  return f.origin;
}

class AreaDrawerTest : public ::testing::Test {
 protected:
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 10)};
};

TEST_F(AreaDrawerTest, EachPairOfNeighbouringItemsGetsOneFill) {
  struct Case {
    std::initializer_list<std::initializer_list<CGFloat>> data;
    std::size_t fills;
  };
  for (const NSUInteger type : {ChartTypeArea, ChartTypeAreaStacked}) {
    for (const Case& c : {Case{{{4}}, 0}, Case{{{4, 5}}, 1}, Case{{{4, 5, 6, 7}}, 3},
                          Case{{{4, 5, 6}, {1, 2, 3}}, 4}, Case{{{4, 5, 6}, {1}}, 2}}) {
      auto chart = areaChart(type, c.data);
      chart->DataBind();
      EXPECT_EQ(carriersOf(*chart).size(), c.fills) << "type " << type;
    }
  }
}

TEST_F(AreaDrawerTest, PointsLieAtTheValuesAndEachBandRunsDownToTheZeroLine) {
  auto chart = areaChart(ChartTypeArea, {{2, 6}});
  const auto& items = chart->series[0]->Items;
  items[1]->Title->setText("6");
  chart->DataBind();
  ASSERT_EQ(chart->maxValue, 10);
  EXPECT_EQ(pointOf(*chart, 0, 0), (CGPoint{10, 80}));
  EXPECT_EQ(pointOf(*chart, 0, 1), (CGPoint{30, 40}));
  const auto carriers = carriersOf(*chart);
  ASSERT_EQ(carriers.size(), 1u);
  EXPECT_EQ(bandPoints(*carriers[0]), (std::vector<CGPoint>{{10, 80}, {10, 100}, {30, 100}, {30, 40}}));
  // The title goes above the point and to its left, the area chart's defaults.
  EXPECT_EQ(items[1]->titleVerticalLocation, 0u);
  EXPECT_EQ(items[1]->titleHorizontalLocation, 0u);
  EXPECT_EQ(items[1]->Title->frame(), CGRectMake(25, 30, 5, 10));
  EXPECT_EQ(items[1]->Title->superview(), chart->plotArea.get());
  EXPECT_EQ(items[1]->superview(), nullptr) << "the item view itself is not shown";
}

TEST_F(AreaDrawerTest, StackedSeriesShowFromTheirOwnSumDownToTheNextOne) {
  auto chart = areaChart(ChartTypeAreaStacked, {{2, 2}, {3, 1}});
  chart->DataBind();
  ASSERT_EQ(chart->maxValue, 10);
  EXPECT_EQ(pointOf(*chart, 1, 0), (CGPoint{10, 50}));
  EXPECT_EQ(pointOf(*chart, 1, 1), (CGPoint{30, 70}));
  EXPECT_EQ(pointOf(*chart, 0, 0), (CGPoint{10, 80}));
  EXPECT_EQ(pointOf(*chart, 0, 1), (CGPoint{30, 80}));
  // The last series is drawn first, lowest; every band reaches the zero line.
  const auto carriers = carriersOf(*chart);
  ASSERT_EQ(carriers.size(), 2u);
  EXPECT_EQ(bandPoints(*carriers[0]), (std::vector<CGPoint>{{10, 50}, {10, 100}, {30, 100}, {30, 70}}));
  EXPECT_EQ(bandPoints(*carriers[1]), (std::vector<CGPoint>{{10, 80}, {10, 100}, {30, 100}, {30, 80}}));

  // Negative values stack downwards from the middle on their own sums.
  auto mixed = areaChart(ChartTypeAreaStacked, {{2, -2}, {3, -3}});
  mixed->DataBind();
  ASSERT_TRUE(positiveAndNegative);
  ASSERT_EQ(mixed->minValue, -10);
  EXPECT_EQ(pointOf(*mixed, 1, 0), (CGPoint{10, 25}));
  EXPECT_EQ(pointOf(*mixed, 1, 1), (CGPoint{30, 75}));
  EXPECT_EQ(pointOf(*mixed, 0, 1), (CGPoint{30, 60}));
}

TEST_F(AreaDrawerTest, ItemAtItsDefaultsGetsAPlotSizedGradientMaskedByItsBand) {
  auto chart = areaChart(ChartTypeArea, {{2, 6}});
  const auto item = chart->series[0]->Items[1];
  ASSERT_EQ(item->layoutStyle, kChartItemUnset);
  chart->DataBind();
  EXPECT_EQ(item->layoutStyle, 1u);
  const auto carriers = carriersOf(*chart);
  ASSERT_EQ(carriers.size(), 1u);
  const auto* gradient = dynamic_cast<const QnGradientLayer*>(carriers[0].get());
  ASSERT_NE(gradient, nullptr);
  EXPECT_EQ(gradient->frame(), CGRectMake(0, 0, 40, 100));
  EXPECT_NE(dynamic_cast<const CAShapeLayer*>(gradient->mask.get()), nullptr);
  EXPECT_EQ(gradient->mask->superlayer(), nullptr) << "the band serves only as a mask";

  // The inset style keeps its inner gradient inside the carrier, over the middle of the plot's bounds.
  item->gradientStyle = ChartGradientStyleInset;
  chart->DataBind();
  const auto inset = carriersOf(*chart);
  ASSERT_EQ(inset.size(), 1u);
  ASSERT_EQ(inset[0]->sublayers().size(), 1u);
  EXPECT_EQ(inset[0]->sublayers()[0]->frame(), CGRectMake(8, 20, 24, 60));
  EXPECT_EQ(dynamic_cast<const QnGradientLayer&>(*inset[0]).gradientStyle(), 0u);
}

TEST_F(AreaDrawerTest, HatchImageAndRainbowCarriersCoverThePlot) {
  const auto paper = std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0xffeeeeee});
  UIImage::registerImage("area-paper", std::make_shared<UIImage>(paper));
  auto chart = areaChart(ChartTypeArea, {{2, 6, 4, 8}}, 80);
  const auto& items = chart->series[0]->Items;
  items[1]->layoutStyle = ChartLayoutStyleHatch;
  items[1]->hatchLineStepHeight = 20;
  items[2]->layoutStyle = ChartLayoutStyleImage;
  items[2]->backgroundImageName = "area-paper";
  items[3]->layoutStyle = ChartLayoutStyleGradient;
  items[3]->gradientStyle = ChartGradientStyleRainbow;
  chart->DataBind();
  const auto carriers = carriersOf(*chart);
  ASSERT_EQ(carriers.size(), 3u);
  for (const auto& carrier : carriers) {
    EXPECT_NE(dynamic_cast<const CAGradientLayer*>(carrier.get()), nullptr);
    EXPECT_EQ(carrier->frame(), CGRectMake(0, 0, 80, 100));
  }
  EXPECT_FALSE(carriers[0]->sublayers().empty()) << "the hatch lines lie inside the carrier";
  EXPECT_EQ(carriers[1]->contents.get(), paper.get());
  EXPECT_EQ(dynamic_cast<const CAGradientLayer&>(*carriers[2]).colors.size(), 10u);
  UIImage::registerImage("area-paper", nullptr);
}

TEST_F(AreaDrawerTest, PlainItemIsFilledWithItsColourOrTheTemplateFill) {
  auto chart = areaChart(ChartTypeArea, {{2, 6, 4}});
  const auto templateFill = UIColor::colorWithRed(0.2, 0.6, 0.3, 1);
  chart->series[0]->shape->fillColor = templateFill->CGColor();
  const auto& items = chart->series[0]->Items;
  for (const auto& item : items)
    item->layoutStyle = ChartLayoutStylePlain;
  items[2]->setBackgroundColor(UIColor::colorWithRed(0.9, 0.1, 0.1, 1));
  chart->DataBind();
  const auto carriers = carriersOf(*chart);
  ASSERT_EQ(carriers.size(), 2u);
  EXPECT_TRUE(CGColorEqualToColor(carriers[0]->backgroundColor, templateFill->CGColor()));
  EXPECT_TRUE(CGColorEqualToColor(carriers[1]->backgroundColor, items[2]->backgroundColor()->CGColor()));
  EXPECT_EQ(items[0]->backgroundColor(), nullptr) << "no colour is written back";
}

TEST_F(AreaDrawerTest, HorizontalBandsMirrorTheVerticalOnes) {
  auto chart = areaChart(ChartTypeArea, {{2, 6}}, 40, ChartOrientationHorizontal);
  chart->DataBind();
  EXPECT_EQ(pointOf(*chart, 0, 0), (CGPoint{20, 10}));
  EXPECT_EQ(pointOf(*chart, 0, 1), (CGPoint{60, 30}));
  ASSERT_EQ(carriersOf(*chart).size(), 1u);
  EXPECT_EQ(bandPoints(*carriersOf(*chart)[0]), (std::vector<CGPoint>{{20, 10}, {0, 10}, {0, 30}, {60, 30}}));

  // With both signs the zero line is the middle of the plot.
  auto mixed = areaChart(ChartTypeArea, {{2, -6}}, 40, ChartOrientationHorizontal);
  mixed->DataBind();
  ASSERT_TRUE(positiveAndNegative);
  EXPECT_EQ(bandPoints(*carriersOf(*mixed)[0]),
            (std::vector<CGPoint>{{60, 10}, {50, 10}, {50, 30}, {20, 30}}));
}

TEST_F(AreaDrawerTest, AllValuesZeroDrawNoBandAndKeepEveryFrameFinite) {
  for (const NSUInteger type : {ChartTypeArea, ChartTypeAreaStacked}) {
    auto chart = areaChart(type, {{0, 0, 0}, {0, std::nan(""), 0}});
    chart->maxValue = kChartUnsetMaxValue;
    chart->DataBind();
    EXPECT_TRUE(carriersOf(*chart).empty()) << "type " << type;
    for (const auto& series : chart->series) {
      for (const auto& item : series->Items) {
        EXPECT_TRUE(CGRectIsFinite(item->frame())) << "type " << type;
        EXPECT_TRUE(CGRectIsFinite(item->Title->frame())) << "type " << type;
      }
    }
    EXPECT_EQ(chart->subviews().back(), chart->plotArea) << "the bind goes on";
  }
}

TEST_F(AreaDrawerTest, StackedSeriesLongerThanTheFirstStopsAtTheFirstSeriesLength) {
  auto chart = areaChart(ChartTypeAreaStacked, {{2, 2}, {3, 1, 5}});
  const auto surplus = chart->series[1]->Items[2];
  surplus->setFrame(CGRectMake(1, 2, 3, 4));
  chart->DataBind();
  // Both series keep their bands; the surplus item adds nothing to the sums or the scale's bands.
  EXPECT_EQ(carriersOf(*chart).size(), 2u);
  EXPECT_EQ(pointOf(*chart, 1, 1), (CGPoint{30, 70}));
  EXPECT_EQ(pointOf(*chart, 0, 1), (CGPoint{30, 80}));
  EXPECT_EQ(surplus->frame(), CGRectMake(1, 2, 3, 4));
  EXPECT_EQ(surplus->layoutStyle, kChartItemUnset) << "the surplus item is not touched";
  EXPECT_EQ(surplus->Title->superview(), nullptr);
  EXPECT_EQ(chart->series[0]->Items[0]->Title->superview(), chart->plotArea.get());

  // Unstacked there is no such bound: the longer series runs on past the last category.
  auto grouped = areaChart(ChartTypeArea, {{2, 2}, {3, 1, 5}});
  grouped->DataBind();
  EXPECT_EQ(carriersOf(*grouped).size(), 3u);
  EXPECT_EQ(pointOf(*grouped, 1, 2), (CGPoint{50, 50}));
}

TEST_F(AreaDrawerTest, BoundTwiceLooksLikeBoundOnce) {
  auto once = areaChart(ChartTypeAreaStacked, {{2, 6, 4}, {1, 1, 2}});
  once->DataBind();
  auto twice = areaChart(ChartTypeAreaStacked, {{2, 6, 4}, {1, 1, 2}});
  twice->DataBind();
  twice->DataBind();
  EXPECT_EQ(testing::treeSignature(*twice), testing::treeSignature(*once));
  EXPECT_EQ(carriersOf(*twice).size(), 4u);
}

TEST_F(AreaDrawerTest, RenderedAreaShowsItsFillBetweenTheLineAndTheZeroLine) {
  auto chart = areaChart(ChartTypeArea, {{2, 6, 6}}, 60);
  const RGBA8 fill{40, 120, 200, 255};
  for (const auto& item : chart->series[0]->Items) {
    item->layoutStyle = ChartLayoutStylePlain;
    item->setBackgroundColor(UIColor::colorWithRed(fill.r / 255.0, fill.g / 255.0, fill.b / 255.0, 1));
  }
  chart->DataBind();
  RenderOptions options;
  options.background = UIColor::whiteColor();
  const auto image = renderToImage(*chart, options);
  ASSERT_NE(image, nullptr);
  // Points (10, 80), (30, 40), (50, 40) in the plot at (20, 30).
  const auto at = [](CGFloat x, CGFloat y) { return std::pair<int, int>{int(20 + x), int(30 + y)}; };
  for (const auto& [x, y] : {at(20, 90), at(27, 50), at(40, 45), at(40, 95)})
    EXPECT_TRUE(testing::pixelNear(*image, x, y, fill));
  for (const auto& [x, y] : {at(40, 30), at(15, 55), at(5, 20)})
    EXPECT_TRUE(testing::pixelNear(*image, x, y, {255, 255, 255, 255}));
}

}  // namespace
}  // namespace tarnavel
