#include <gtest/gtest.h>

#include <memory>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/LegendArea.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/BoxDecorators.h"
#include "tarnavel/platform/graphics/TextMeasure.h"

namespace tarnavel {
namespace {

class BoxDecorators : public ::testing::Test {
 protected:
  // Every character 10 points wide, every line 10 high: "abc" measures 30 x 10.
  ScopedTextMeasurer measurer{fixedTextMeasurer(10, 10)};
  std::shared_ptr<UIChart> chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 240));
};

TEST_F(BoxDecorators, ChartBackgroundIsUnfilledByDefaultAndRadialWhenAskedForAGradient) {
  drawChartBackground(*chart);
  EXPECT_TRUE(chart->layer()->sublayers().empty());

  chart->layoutStyle = ChartLayoutStyleGradient;
  drawChartBackground(*chart);
  ASSERT_EQ(chart->layer()->sublayers().size(), 1u);
  const auto gradient = std::dynamic_pointer_cast<QnGradientLayer>(chart->layer()->sublayers()[0]);
  ASSERT_NE(gradient, nullptr);
  EXPECT_EQ(gradient->gradientStyle(), ChartGradientStyleRadial);
  EXPECT_EQ(gradient->frame(), CGRectMake(0, 0, 320, 240));
}

TEST_F(BoxDecorators, BarItemAtItsDefaultsGetsTheBarDefaultsAndALinearGradient) {
  auto item = std::make_shared<ChartItem>(CGRectMake(10, 20, 30, 40));
  item->addSubview(std::make_shared<UIView>());
  DrawItem(*chart, item);
  EXPECT_TRUE(item->subviews().empty());
  EXPECT_EQ(item->layoutStyle, ChartLayoutStyleGradient);
  EXPECT_EQ(item->titleVerticalLocation, ChartVerticalLocationTop);
  EXPECT_EQ(item->titleHorizontalLocation, ChartHorizontalLocationLeft);
  ASSERT_EQ(item->layer()->sublayers().size(), 1u);
  const auto gradient = std::dynamic_pointer_cast<QnGradientLayer>(item->layer()->sublayers()[0]);
  ASSERT_NE(gradient, nullptr);
  EXPECT_EQ(gradient->gradientStyle(), ChartGradientStyleLinear);
  EXPECT_EQ(gradient->gradientDirection(), ChartGradientDirectionHorizontal);
  EXPECT_EQ(gradient->gradientRadius(), 155.0);
  EXPECT_EQ(gradient->colors().size(), 4u);
  EXPECT_EQ(gradient->frame(), CGRectMake(0, 0, 30, 40));
}

struct RegionTitleCase {
  NSUInteger horizontal;
  NSUInteger vertical;
  CGRect frame;
};

TEST_F(BoxDecorators, RegionTitleLiesInsideTheRegionByItsLocations) {
  const RegionTitleCase cases[] = {
      {0, 0, {{0, 0}, {30, 10}}},   {1, 2, {{35, 30}, {30, 10}}}, {2, 1, {{70, 15}, {30, 10}}},
      {1, 1, {{35, 15}, {30, 10}}}, {9, 9, {{0, 0}, {30, 10}}},
  };
  for (const RegionTitleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.horizontal << ", " << c.vertical);
    auto region = std::make_shared<markedRegion>(CGRectMake(5, 5, 100, 40));
    region->Title->setText("abc");
    region->titleHorizontalLocation = c.horizontal;
    region->titleVerticalLocation = c.vertical;
    DrawmarkedRegion(*chart, region);
    EXPECT_EQ(region->Title->frame(), c.frame);
    ASSERT_EQ(region->subviews().size(), 1u);
    EXPECT_EQ(region->subviews()[0], region->Title);
  }
}

TEST_F(BoxDecorators, RegionTitleIsPlacedOnlyWhileItsFrameIsEmpty) {
  auto region = std::make_shared<markedRegion>(CGRectMake(0, 0, 100, 40));
  region->addSubview(std::make_shared<UIView>());
  region->Title->setFrame(CGRectMake(1, 2, 3, 4));
  region->Title->setText("abc");
  region->titleHorizontalLocation = 2;
  DrawmarkedRegion(*chart, region);
  EXPECT_EQ(region->Title->frame(), CGRectMake(1, 2, 3, 4));
  ASSERT_EQ(region->subviews().size(), 1u) << "earlier subviews are cleared";
  ASSERT_EQ(region->layer()->sublayers().size(), 2u) << "the gradient, then the title";
  EXPECT_NE(std::dynamic_pointer_cast<QnGradientLayer>(region->layer()->sublayers()[0]), nullptr);

  // A title without text measures zero and is still added, at the location's spot.
  auto untitled = std::make_shared<markedRegion>(CGRectMake(0, 0, 100, 40));
  untitled->titleHorizontalLocation = 2;
  untitled->titleVerticalLocation = 2;
  DrawmarkedRegion(*chart, untitled);
  EXPECT_EQ(untitled->Title->frame(), CGRectMake(100, 40, 0, 0));
  EXPECT_EQ(untitled->subviews().size(), 1u);
}

struct ZoneTitleCase {
  NSUInteger vertical;
  NSUInteger horizontal;
  CGPoint origin;
};

TEST_F(BoxDecorators, LegendZoneTitleSitsAboveBelowBesideOrOverTheZone) {
  const ZoneTitleCase cases[] = {
      {0, 0, {0, -10}},  {0, 1, {25, -10}}, {0, 2, {50, -10}}, {0, 5, {0, -10}},  // above
      {2, 0, {0, 40}},   {2, 1, {25, 40}},  {2, 2, {50, 40}},  {2, 5, {0, 40}},   // below
      {1, 0, {-30, 15}}, {1, 1, {25, 15}},  {1, 2, {80, 15}},  {1, 5, {0, 15}},   // beside or over
      {7, 2, {50, -10}},
  };
  for (const ZoneTitleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "V " << c.vertical << ", H " << c.horizontal);
    chart->legendZone = std::make_shared<legendArea>(CGRectMake(200, 10, 80, 40));
    chart->legendZone->Title->setText("abc");
    chart->legendZone->titleVerticalLocation = c.vertical;
    chart->legendZone->titleHorizontalLocation = c.horizontal;
    DrawLegendZone(*chart);
    EXPECT_EQ(chart->legendZone->Title->frame(), (CGRect{c.origin, {30, 10}}));
  }
}

TEST_F(BoxDecorators, LegendZoneLaysItsFillUnderItsEntriesAndPlacesItsTitleOnEveryCall) {
  const auto zone = chart->legendZone;
  zone->setFrame(CGRectMake(0, 0, 80, 40));
  auto entry = std::make_shared<UIView>();
  zone->addSubview(entry);
  zone->Title->setText("abc");
  zone->Title->setFrame(CGRectMake(1, 1, 1, 1));
  DrawLegendZone(*chart);
  EXPECT_EQ(zone->Title->frame(), CGRectMake(0, -10, 30, 10));
  ASSERT_EQ(zone->layer()->sublayers().size(), 3u);
  EXPECT_NE(std::dynamic_pointer_cast<QnGradientLayer>(zone->layer()->sublayers()[0]), nullptr);
  EXPECT_EQ(zone->layer()->sublayers()[1], entry->layer());
  EXPECT_EQ(zone->layer()->sublayers()[2], zone->Title->layer());

  chart->legendZone = nullptr;
  DrawLegendZone(*chart);  // no zone, nothing to do
}

}  // namespace
}  // namespace tarnavel
