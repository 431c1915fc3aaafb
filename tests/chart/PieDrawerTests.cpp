// The pie: wedges, rings, the 3D wall and its shadow, item and axis titles, rebinding, and the drawn pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "ChartTestSupport.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/internal/LayerCopyBudget.h"
#include "tarnavel/chart/internal/PieGeometry.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using testing::makeChart;

constexpr double kPi = std::numbers::pi;

// A pie on a plot area 200 wide and 100 high.
std::shared_ptr<UIChart> pieChart(std::initializer_list<std::initializer_list<CGFloat>> data, bool threeD) {
  auto chart = makeChart(ChartTypePie, data);
  chart->plotArea->setFrame(CGRectMake(20, 30, 200, 100));
  for (const auto& series : chart->series)
    series->pie3D = threeD;
  return chart;
}

// The plain layers on the plot area (its subviews' layers share the list).
std::vector<std::shared_ptr<CALayer>> plotLayers(const UIChart& chart) {
  std::vector<std::shared_ptr<CALayer>> layers;
  for (const auto& layer : chart.plotArea->layer()->sublayers())
    if (!layer->owningView()) layers.push_back(layer);
  return layers;
}

// The series layers and wall copies: every layer the bind put on the plot area holds wedges.
std::vector<std::shared_ptr<CAShapeLayer>> wedgesOf(const CALayer& disc) {
  std::vector<std::shared_ptr<CAShapeLayer>> wedges;
  for (const auto& layer : disc.sublayers())
    if (auto wedge = std::dynamic_pointer_cast<CAShapeLayer>(layer)) wedges.push_back(wedge);
  return wedges;
}

CGPoint pathPoint(const CAShapeLayer& wedge, std::size_t i) {
  return wedge.path->elements().at(i).points[0];
}

std::shared_ptr<UIView> titleContainerOf(const ChartItem& item) {
  return item.Title && item.Title->superview() ? item.Title->superview()->shared_from_this() : nullptr;
}

void giveTemplateShadow(ChartSeries& series) {
  series.shape->setShadowColor(UIColor::blackColor()->CGColor());
  series.shape->setShadowOpacity(0.4f);
  series.shape->setShadowOffset({3, 3});
}

class PieDrawerTest : public ::testing::Test {
 protected:
  // Every character 5 points wide and every line 8 high.
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 8)};
};

TEST_F(PieDrawerTest, A3DPieSquashesItsWedgesOverAWallWhoseDeepestCopyCastsTheShadow) {
  auto chart = pieChart({{1, 1, 2}}, true);
  ChartSeries& series = *chart->series[0];
  giveTemplateShadow(series);
  chart->DataBind();

  EXPECT_DOUBLE_EQ(series.pieCenter.x, 100);
  EXPECT_DOUBLE_EQ(series.pieCenter.y, 60);
  EXPECT_DOUBLE_EQ(series.pieRadius, 45);
  const float starts[] = {pieRadians(270), pieRadians(360), pieRadians(450)};
  const CGFloat sweeps[] = {90, 90, 180};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(series.Items[k]->frame().size.width, sweeps[k]) << k;
    EXPECT_FLOAT_EQ(static_cast<float>(series.Items[k]->frame().size.height), starts[k]) << k;
  }

  const auto layers = plotLayers(*chart);
  ASSERT_EQ(layers.size(), 31u) << "30 wall copies under the disc";
  const auto wedges = wedgesOf(*layers.back());
  ASSERT_EQ(wedges.size(), 3u);
  for (const auto& wedge : wedges)
    EXPECT_EQ(wedge->transform(), CATransform3DMakeScale(1, 0.75, 1));
  // The first wedge runs from the centre up to the top and clockwise to the right.
  EXPECT_EQ(pathPoint(*wedges[0], 0), (CGPoint{100, 60}));
  EXPECT_NEAR(pathPoint(*wedges[0], 1).x, 100, 1e-5);
  EXPECT_NEAR(pathPoint(*wedges[0], 1).y, 15, 1e-5);
  EXPECT_TRUE(CGRectContainsPoint(wedges[0]->path->boundingBox(), CGPointMake(130, 30)));

  for (std::size_t i = 0; i < 30; ++i) {
    EXPECT_DOUBLE_EQ(layers[i]->frame().origin.y, 15.0 - 0.5 * static_cast<double>(i)) << i;
    EXPECT_EQ(layers[i]->sublayers().size(), 3u);
    EXPECT_EQ(layers[i]->shadowOpacity(), i == 0 ? 0.4f : 0.0f) << "only the deepest copy casts the shadow";
  }
  EXPECT_EQ(layers.back()->shadowOpacity(), 0.0f);
  // The titles' container is squashed as the wedges are: a point at plot y lands at 0.75 y.
  const auto container = titleContainerOf(*series.Items[0]);
  ASSERT_NE(container, nullptr);
  const CGPoint mapped = CGPointApplyAffineTransform({40, 80}, container->layer()->transformToSuperlayer());
  EXPECT_NEAR(mapped.x, 40, 1e-9);
  EXPECT_NEAR(mapped.y, 60, 1e-9);
}

TEST_F(PieDrawerTest, AFlatPieHasNoWallAndItsSeriesLayerCastsTheShadow) {
  auto chart = pieChart({{1, 1, 2}}, false);
  ChartSeries& series = *chart->series[0];
  giveTemplateShadow(series);
  chart->DataBind();
  EXPECT_EQ(series.pieCenter, (CGPoint{100, 50}));
  const auto layers = plotLayers(*chart);
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0]->shadowOpacity(), 0.4f);
  for (const auto& wedge : wedgesOf(*layers[0])) {
    EXPECT_TRUE(CATransform3DIsIdentity(wedge->transform()));
    EXPECT_TRUE(CGColorEqualToColor(wedge->shadowColor(), UIColor::clearColor()->CGColor()));
  }
  EXPECT_TRUE(CGAffineTransformIsIdentity(titleContainerOf(*series.Items[0])->transform()));
}

TEST_F(PieDrawerTest, LaterSeriesAreRingsAroundSeriesZerosCentre) {
  auto chart = pieChart({{1, 1}, {1, 3}}, true);
  for (const auto& series : chart->series)
    for (const auto& item : series->Items)
      item->Title->setText("ab");  // 10 x 8
  chart->DataBind();
  const ChartSeries& outer = *chart->series[0];
  const ChartSeries& ring = *chart->series[1];
  EXPECT_EQ(ring.pieCenter, outer.pieCenter);
  EXPECT_DOUBLE_EQ(ring.pieRadius, 22.5);
  EXPECT_EQ(plotLayers(*chart).size(), 30u + 2u) << "no wall under series 1";

  // Location 2 (the default): outside the pie for series 0, inside the ring's edge for series 1.
  const auto distance = [](const ChartSeries& series, std::size_t k) {
    const ChartItem& item = *series.Items[k];
    const CGPoint p = item.Title->center();
    return std::hypot(p.x - series.pieCenter.x, p.y - series.pieCenter.y);
  };
  EXPECT_NEAR(distance(outer, 0), 45 + 10, 1e-4);
  EXPECT_NEAR(distance(ring, 1), 22.5 - 10, 1e-4);
}

TEST_F(PieDrawerTest, WallDepthFollowsTheHeightWithinTheBindsAllowanceOfCopies) {
  struct Case {
    NSInteger height;
    std::size_t copies;
    bool shadow;
  };
  // Each copy of the disc is three layers: the series layer and its two wedges.
  const std::size_t allowed = kCopiedLayersPerBind / 3;
  const Case cases[] = {
      {0, 2, false},
      {-4, 2, false},
      {1, 2, true},
      {300, 600, true},                 // deeper than the plot, which does not clip it
      {1'000'000'000, allowed, false},  // the copies nearest the disc
  };
  for (const Case& c : cases) {
    auto chart = pieChart({{1, 2}}, true);
    giveTemplateShadow(*chart->series[0]);
    chart->series[0]->pie3DHeight = c.height;
    chart->DataBind();
    const auto layers = plotLayers(*chart);
    ASSERT_EQ(layers.size(), c.copies + 1) << c.height;
    EXPECT_DOUBLE_EQ(layers[0]->frame().origin.y, 0.5 * static_cast<CGFloat>(c.copies));
    EXPECT_DOUBLE_EQ(layers[c.copies - 1]->frame().origin.y, 0.5);
    EXPECT_EQ(layers[0]->shadowOpacity() > 0, c.shadow) << c.height;
    // Stopping short is told, not thrown.
    const auto& swallowed = chart->lastSwallowedException();
    EXPECT_EQ(swallowed.has_value(), c.copies == allowed) << c.height;
    if (swallowed) {
      EXPECT_NE(swallowed->reason().find("stopped copying"), std::string::npos);
    }
  }
}

TEST_F(PieDrawerTest, CentreAndRadiusTheHostSetAreKept) {
  auto chart = pieChart({{1, 1}}, false);
  chart->series[0]->pieCenter = {-111.11, 40};
  chart->series[0]->pieRadius = 30;
  chart->DataBind();
  EXPECT_EQ(chart->series[0]->pieCenter, (CGPoint{-111.11, 40}));
  EXPECT_EQ(chart->series[0]->pieRadius, 30);
  EXPECT_EQ(pathPoint(*wedgesOf(*plotLayers(*chart).back())[0], 0), (CGPoint{-111.11, 40}));
}

TEST_F(PieDrawerTest, SeriesZeroWithoutItemsLeavesItsCentreForTheNextSeries) {
  auto chart = pieChart({{}, {1, 1}}, false);
  chart->DataBind();
  EXPECT_TRUE(isChartPieCenterUnset(chart->series[0]->pieCenter));
  EXPECT_EQ(chart->series[0]->pieRadius, -1.0);
  EXPECT_TRUE(isChartPieCenterUnset(chart->series[1]->pieCenter));
  EXPECT_DOUBLE_EQ(chart->series[1]->pieRadius, -0.5);
  EXPECT_EQ(plotLayers(*chart).size(), 1u) << "series 1 is drawn";
}

TEST_F(PieDrawerTest, ZeroAndNegativeValuesTakeNoShare) {
  // Series 0 has no positive total: no wedge, finite angles, and the next series is still drawn.
  auto chart = pieChart({{0, -2}, {1, -1, 0, 1}}, false);
  chart->DataBind();
  for (const auto& item : chart->series[0]->Items) {
    EXPECT_EQ(item->frame().size.width, 0);
    EXPECT_FLOAT_EQ(static_cast<float>(item->frame().size.height), pieRadians(270));
    EXPECT_NE(item->backgroundColor(), nullptr) << "still given its colour";
  }
  const auto layers = plotLayers(*chart);
  ASSERT_EQ(layers.size(), 1u);
  const auto wedges = wedgesOf(*layers[0]);
  ASSERT_EQ(wedges.size(), 4u);
  const auto& items = chart->series[1]->Items;
  const CGFloat sweeps[] = {180, 0, 0, 180};
  const CGFloat starts[] = {270, 450, 450, 450};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(items[k]->frame().size.width, sweeps[k]) << k;
    EXPECT_FLOAT_EQ(static_cast<float>(items[k]->frame().size.height), pieRadians(starts[k])) << k;
  }
  // A zero sweep: both radii on the same line, straight down from the centre.
  const CGRect box = wedges[2]->path->boundingBox();
  EXPECT_NEAR(box.size.width, 0, 1e-5);
  EXPECT_NEAR(box.size.height, 22.5, 1e-5) << "a ring inside series 0, which keeps its radius";
}

TEST_F(PieDrawerTest, ItemTitlesSitByTheirLocations) {
  // Four quarter wedges from angle 0, flat, radius 45 around (100, 50); series 1's radius 22.5 is the ring
  // inside series 0. Item 0 spans 0 to 90 degrees; its title is "ab" (10 x 8).
  struct Case {
    NSUInteger vertical, horizontal;
    double angleDegrees, radius;
  };
  const Case cases[] = {
      {1, 7, 45, 45},   {0, 7, 5, 45},     {2, 7, 85, 45}, {9, 7, 45, 45},
      {1, 0, 45, 32.5}, {1, 1, 45, 33.75}, {1, 2, 45, 55},
  };
  for (const Case& c : cases) {
    auto chart = pieChart({{1, 1, 1, 1}, {1}}, false);
    chart->series[0]->pieStarts = 0;
    ChartItem& item = *chart->series[0]->Items[0];
    item.Title->setText("ab");
    item.titleVerticalLocation = c.vertical;
    item.titleHorizontalLocation = c.horizontal;
    chart->DataBind();
    const double a = c.angleDegrees * kPi / 180;
    EXPECT_NEAR(item.Title->center().x, 100 + c.radius * std::cos(a), 1e-4) << c.vertical << c.horizontal;
    EXPECT_NEAR(item.Title->center().y, 50 + c.radius * std::sin(a), 1e-4) << c.vertical << c.horizontal;
    EXPECT_EQ(item.Title->frame().size, (CGSize{10, 8}));
  }
}

TEST_F(PieDrawerTest, TitleYShiftMovesAgainstTheValuesSign) {
  auto chart = pieChart({{1, -1}}, false);
  for (const auto& item : chart->series[0]->Items) {
    item->titleYshift = -6;
    item->titleHorizontalLocation = 7;  // on the edge
  }
  chart->DataBind();
  const auto& items = chart->series[0]->Items;
  // Both titles sit at the middle of a wedge starting at 270 degrees: item 0 at the bottom (sweep 360), item
  // 1 at the top (sweep 0).
  EXPECT_NEAR(items[0]->Title->center().y, 50 + 45 * std::sin(pieRadians(270) + kPi) - 6, 1e-4);
  EXPECT_NEAR(items[1]->Title->center().y, 50 + 45 * std::sin(pieRadians(630)) + 6, 1e-4);
}

TEST_F(PieDrawerTest, AxisTitlesBesideAndUnderThePlot) {
  auto chart = pieChart({{1}}, false);
  chart->chartTitle->setFrame(CGRectMake(0, 0, 100, 15));
  chart->yAxisTitleLabel->setText("abc");  // 15 x 8
  chart->yAxisTitleVerticalLocation = 1;
  chart->yAxisTitleLabelRotationAngle = -90;
  chart->xAxisTitleLabel->setText("abcd");  // 20 x 8
  chart->xAxisTitleHorizontalLocation = 2;
  chart->xAxisTitleXshift = 3;
  chart->xAxisTitleYshift = -4;
  chart->DataBind();
  EXPECT_EQ(chart->yAxisTitleLabel->bounds().size, (CGSize{15, 8}));
  EXPECT_EQ(chart->yAxisTitleLabel->center(), (CGPoint{2 + 7.5, 20 + 46 + 4}));
  EXPECT_EQ(chart->yAxisTitleLabel->transform(), CGAffineTransformMakeRotation(-kPi / 2));
  EXPECT_EQ(chart->xAxisTitleLabel->frame(), CGRectMake(20 + 180 + 3, 130 - 4, 20, 8));
  EXPECT_EQ(chart->xAxisTitleLabel->superview(), chart.get());
}

TEST_F(PieDrawerTest, ValueTitleRulesForEmptyNilAndHostFrames) {
  auto chart = pieChart({{1}}, false);
  chart->yAxisTitleLabel->setText("");
  chart->DataBind();
  EXPECT_EQ(chart->yAxisTitleLabel->superview(), nullptr) << "an empty text adds no title";

  chart->yAxisTitleLabel->setText(std::nullopt);
  chart->yAxisTitleVerticalLocation = 0;
  chart->DataBind();
  EXPECT_EQ(chart->yAxisTitleLabel->superview(), chart.get());
  EXPECT_EQ(chart->yAxisTitleLabel->frame().size, (CGSize{0, 0})) << "a nil text measures zero";

  chart->yAxisTitleLabel->setText("abc");
  chart->yAxisTitleLabel->setFrame(CGRectMake(1, 2, 30, 10));
  chart->yAxisTitleLabelRotationAngle = 90;
  chart->DataBind();
  EXPECT_EQ(chart->yAxisTitleLabel->center(), (CGPoint{16, 7}));
  EXPECT_EQ(chart->yAxisTitleLabel->transform(), CGAffineTransformMakeRotation(kPi / 2));
}

TEST_F(PieDrawerTest, TheValueScaleIsFittedAndStoredBack) {
  auto chart = pieChart({{1, 37}}, false);
  chart->DataBind();
  EXPECT_DOUBLE_EQ(chart->maxValue, 40);

  // Values of both signs: the range is made symmetric around zero.
  auto both = pieChart({{8, -30}}, false);
  both->DataBind();
  EXPECT_DOUBLE_EQ(both->maxValue, -both->minValue);
  EXPECT_GE(both->maxValue, 30);
}

TEST_F(PieDrawerTest, TheTemplatesStyleReachesEveryWedgeAndWallCopy) {
  auto chart = pieChart({{1, 2, 3}}, true);
  ChartSeries& series = *chart->series[0];
  series.shape->lineDashPattern = {3, 1};
  series.shape->lineJoin = kCALineJoinBevel;
  series.shape->opacity = 0.7f;
  chart->DataBind();
  std::size_t wedges = 0;
  for (const auto& layer : plotLayers(*chart)) {
    for (const auto& wedge : wedgesOf(*layer)) {
      EXPECT_EQ(wedge->lineDashPattern, (std::vector<CGFloat>{3, 1}));
      EXPECT_EQ(wedge->lineJoin, kCALineJoinBevel);
      EXPECT_EQ(wedge->opacity, 0.7f);
      EXPECT_TRUE(CGColorEqualToColor(wedge->strokeColor, UIColor::grayColor()->CGColor()));
      ++wedges;
    }
  }
  EXPECT_EQ(wedges, 31u * 3u);
}

TEST_F(PieDrawerTest, ColoursAreChosenOnceAndKeptByLaterBinds) {
  auto chart = pieChart({{1, 1, 1, 1}, {1, 1, 1, 1}}, false);
  chart->DataBind();
  // Reordered items keep the colour they were given.
  auto& items = chart->series[0]->Items;
  std::swap(items[0], items[3]);
  const CGColorRef first = items[0]->backgroundColor()->CGColor();
  chart->DataBind();
  const CGColorRef drawn = wedgesOf(*plotLayers(*chart)[0])[0]->fillColor;
  EXPECT_TRUE(CGColorEqualToColor(drawn, first));
  EXPECT_FALSE(CGColorEqualToColor(drawn, UIColor::colorWithHue(0.05, 1, 1, 1)->CGColor()));
}

TEST_F(PieDrawerTest, ARebindReplacesWhatTheLastBindAddedAndKeepsTheHostsLayers) {
  auto chart = pieChart({{1, 2}, {3, 4}}, true);
  chart->series[0]->Items[0]->layoutStyle = ChartLayoutStyleHatch;
  auto hostLayer = CALayer::layer();
  chart->plotArea->layer()->addSublayer(hostLayer);
  chart->DataBind();
  const std::size_t layers = plotLayers(*chart).size();
  const std::size_t views = chart->plotArea->subviews().size();
  chart->DataBind();
  EXPECT_EQ(plotLayers(*chart).size(), layers);
  EXPECT_EQ(chart->plotArea->subviews().size(), views);
  EXPECT_EQ(plotLayers(*chart).front(), hostLayer);
  EXPECT_EQ(views, 2u) << "one title container per series";
}

TEST_F(PieDrawerTest, AFillOverlayIsClippedToItsWedge) {
  auto chart = pieChart({{1, 1}}, false);
  ChartItem& item = *chart->series[0]->Items[0];
  item.layoutStyle = ChartLayoutStyleGradient;
  chart->DataBind();
  const auto disc = plotLayers(*chart).back();
  ASSERT_EQ(disc->sublayers().size(), 3u) << "wedge, its overlay, wedge";
  // A copy of the wedge is the mask, so that the wedge itself still draws its fill under the overlay.
  const auto wedge = std::dynamic_pointer_cast<CAShapeLayer>(disc->sublayers()[0]);
  const auto mask = std::dynamic_pointer_cast<CAShapeLayer>(disc->sublayers()[1]->mask);
  ASSERT_TRUE(wedge && mask);
  EXPECT_NE(mask, wedge);
  EXPECT_EQ(*mask->path, *wedge->path);
  EXPECT_EQ(disc->sublayers()[1]->frame(), CGRectMake(0, 0, 200, 100));
}

TEST_F(PieDrawerTest, RenderedWedgesShowTheirColoursInsideTheDiscOnly) {
  auto chart = pieChart({{1, 1}}, false);
  chart->series[0]->Items[0]->setBackgroundColor(UIColor::colorWithRed(1, 0, 0, 1));
  chart->series[0]->Items[1]->setBackgroundColor(UIColor::colorWithRed(0, 0, 1, 1));
  chart->setBackgroundColor(UIColor::whiteColor());
  chart->DataBind();
  const auto image = renderToImage(*chart, {});
  // Plot area at (20, 30): the disc's centre at (120, 80), radius 45; wedge 0 on the right, 1 on the left.
  EXPECT_TRUE(testing::pixelNear(*image, 140, 80, testing::kRed));
  EXPECT_TRUE(testing::pixelNear(*image, 100, 80, testing::kBlue));
  EXPECT_TRUE(testing::pixelNear(*image, 120 + 60, 80, testing::kWhite));
  EXPECT_TRUE(testing::pixelNear(*image, 30, 40, testing::kWhite));
}

}  // namespace
}  // namespace tarnavel
