#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
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
using Data = std::initializer_list<std::initializer_list<CGFloat>>;

// A line chart on a plot area (20, 30) of `plotSize`, its value axis ending at 20, without grid lines, so
// that the shape layers on the plot area's layer are the line segments alone.
std::shared_ptr<UIChart> lineChart(NSUInteger type, Data data,
                                   NSUInteger orientation = ChartOrientationVertical,
                                   CGSize plotSize = {200, 100}) {
  auto chart = makeChart(type, data);
  chart->orientation = orientation;
  chart->maxValue = 20;
  chart->plotArea->setFrame(CGRectMake(20, 30, plotSize.width, plotSize.height));
  chart->xAxisLinesHidden = true;
  chart->yAxisLinesHidden = true;
  return chart;
}

ChartItem& itemOf(const UIChart& chart, std::size_t j, std::size_t k) {
  return *chart.series.at(j)->Items.at(k);
}

CGPoint pointOf(const UIChart& chart, std::size_t j, std::size_t k) {
  return itemOf(chart, j, k).frame().origin;
}

std::vector<std::shared_ptr<CAShapeLayer>> segmentsOf(const UIChart& chart) {
  std::vector<std::shared_ptr<CAShapeLayer>> segments;
  for (const auto& layer : chart.plotArea->layer()->sublayers()) {
    if (auto shape = std::dynamic_pointer_cast<CAShapeLayer>(layer)) segments.push_back(shape);
  }
  return segments;
}

CGPoint segmentStart(const CAShapeLayer& segment) {
  return segment.path->elements().at(0).points[0];
}
CGPoint segmentEnd(const CAShapeLayer& segment) {
  return segment.path->elements().at(1).points[0];
}

bool inPlot(const UIChart& chart, const std::shared_ptr<UIView>& view) {
  const auto& views = chart.plotArea->subviews();
  return std::find(views.begin(), views.end(), view) != views.end();
}

template <class T>
std::shared_ptr<T> sublayerOf(const UIView& view, std::size_t index) {
  const auto& layers = view.layer()->sublayers();
  return index < layers.size() ? std::dynamic_pointer_cast<T>(layers[index]) : nullptr;
}

class LineDrawerTest : public ::testing::Test {
 protected:
  // Every character 5 points wide and every line 10 high.
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 10)};
};

TEST_F(LineDrawerTest, EachSeriesIsAnOpenLineThroughItsOwnPoints) {
  auto chart = lineChart(ChartTypeLine, {{2, 4, 6, 8}, {1, 3, 5, 7}, {8, 6, 4, 2}, {9}});
  chart->DataBind();
  const auto segments = segmentsOf(*chart);
  // Three pieces for each series of four items, none for the series of one item, none between series.
  ASSERT_EQ(segments.size(), 9u);
  for (std::size_t j = 0; j < 3; ++j) {
    for (std::size_t k = 1; k < 4; ++k) {
      const CAShapeLayer& segment = *segments[3 * j + k - 1];
      EXPECT_EQ(segmentStart(segment), pointOf(*chart, j, k - 1)) << j << " " << k;
      EXPECT_EQ(segmentEnd(segment), pointOf(*chart, j, k)) << j << " " << k;
    }
  }
  // The markers lie above every line.
  const auto& children = chart->plotArea->layer()->sublayers();
  const auto lastSegment = std::find(children.begin(), children.end(), segments.back());
  const auto firstMarker = std::find(children.begin(), children.end(), itemOf(*chart, 0, 0).point->layer());
  EXPECT_LT(lastSegment, firstMarker);

  auto pointsOnly = lineChart(ChartTypeLinePointsOnly, {{2, 4, 6, 8}, {1, 3, 5, 7}});
  pointsOnly->DataBind();
  EXPECT_TRUE(segmentsOf(*pointsOnly).empty());
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(itemOf(*pointsOnly, 1, k).frame(), itemOf(*chart, 1, k).frame());
    EXPECT_TRUE(inPlot(*pointsOnly, itemOf(*pointsOnly, 1, k).point));
    EXPECT_TRUE(inPlot(*pointsOnly, itemOf(*pointsOnly, 1, k).Title));
  }
}

TEST_F(LineDrawerTest, DataPointIsTheValueEndOfTheBarAtTheSlotCentre) {
  struct Case {
    NSUInteger orientation;
    CGFloat plotHeight;
    std::initializer_list<CGFloat> values;
    CGPoint first, second;
  };
  // Axis to 20; on the 200-high plot with both signs E = 100, so -maxValue / 2 lies 50 below the middle.
  const Case cases[] = {
      {0, 100, {10, 5}, {50, 50}, {150, 75}},    {1, 100, {10, 5}, {100, 25}, {50, 75}},
      {0, 200, {10, -10}, {50, 50}, {150, 150}}, {1, 100, {10, -10}, {150, 25}, {50, 75}},
      {0, 100, {-10, -5}, {50, 50}, {150, 25}},  {1, 100, {-10, -5}, {100, 25}, {150, 75}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "orientation " << c.orientation << ", first " << *c.values.begin());
    auto chart = lineChart(ChartTypeLine, {c.values}, c.orientation, {200, c.plotHeight});
    if (*c.values.begin() < 0) {  // negative only: the axis comes from the host's minimum
      chart->maxValue = kChartUnsetMaxValue;
      chart->minValue = -20;
    }
    chart->DataBind();
    ASSERT_EQ(chart->maxValue, 20);
    EXPECT_EQ(itemOf(*chart, 0, 0).frame(), CGRectMake(c.first.x, c.first.y, 0.1, 0.1));
    EXPECT_EQ(itemOf(*chart, 0, 1).frame(), CGRectMake(c.second.x, c.second.y, 0.1, 0.1));
    EXPECT_EQ(itemOf(*chart, 0, 1).point->center(), c.second);
    EXPECT_FALSE(inPlot(*chart, chart->series[0]->Items[0])) << "the item view itself is not drawn";
  }

  // A negative value turns its title's vertical shift round; the default marker keeps no distance.
  auto mixed = lineChart(ChartTypeLine, {{10, -10}}, ChartOrientationVertical, {200, 200});
  for (const auto& item : mixed->series[0]->Items) {
    item->Title->setText("-10");  // 15 x 10
    item->titleYshift = 4;
  }
  mixed->DataBind();
  EXPECT_EQ(itemOf(*mixed, 0, 0).Title->frame(), CGRectMake(50 - 15, 50 - 10 + 4, 15, 10));
  EXPECT_EQ(itemOf(*mixed, 0, 1).Title->frame(), CGRectMake(150 - 15, 150 - 10 - 4, 15, 10));
}

TEST_F(LineDrawerTest, TitlesKeepHalfTheMarkerWidthOffThePoint) {
  struct Case {
    NSUInteger horizontal, vertical;
    CGFloat pointWidth;
    CGPoint origin;
  };
  // Point (50, 50); a title 20 x 10 ("abcd").
  for (const Case& c :
       {Case{1, 0, -1, {50 + 0.05 - 10, 40}}, Case{1, 1, 8, {50 + 0.05 - 10, 50 + 0.05 - 5}},
        Case{0, 0, 8, {50 - 20 - 4, 50 - 10 - 4}}, Case{2, 2, 8, {54, 54}}, Case{7, 7, 8, {50, 36}}}) {
    SCOPED_TRACE(::testing::Message() << c.horizontal << " " << c.vertical << " " << c.pointWidth);
    auto chart = lineChart(ChartTypeLine, {{10, 5}});
    ChartItem& item = itemOf(*chart, 0, 0);
    item.Title->setText("abcd");
    item.titleHorizontalLocation = c.horizontal;
    item.titleVerticalLocation = c.vertical;
    item.pointWidth = c.pointWidth;
    chart->DataBind();
    EXPECT_EQ(item.Title->frame(), CGRectMake(c.origin.x, c.origin.y, 20, 10));
    EXPECT_TRUE(inPlot(*chart, item.Title));
  }
}

TEST_F(LineDrawerTest, ItemsAtTheirDefaultsGetAGradientOvalOfNegativeWidth) {
  auto chart = lineChart(ChartTypeLine, {{10, 5}});
  chart->DataBind();
  const ChartItem& item = itemOf(*chart, 0, 0);
  EXPECT_EQ(item.layoutStyle, 1u);
  EXPECT_EQ(item.titleVerticalLocation, 0u);
  EXPECT_EQ(item.titleHorizontalLocation, 0u);

  const auto& point = *item.point;
  ASSERT_EQ(point.layer()->sublayers().size(), 2u);
  const auto marker = sublayerOf<CAShapeLayer>(point, 0);
  const auto gradient = sublayerOf<QnGradientLayer>(point, 1);
  ASSERT_TRUE(marker && gradient);
  CGPath oval;
  oval.addEllipseInRect(CGRectMake(0, 0, -1, -1));
  EXPECT_EQ(*marker->path, oval);
  EXPECT_EQ(marker->lineWidth, 0.2);
  EXPECT_EQ(marker->strokeColor->rgba(), (std::array<CGFloat, 4>{0, 0, 1, 1}));
  EXPECT_EQ(gradient->mask, marker);
  EXPECT_EQ(gradient->gradientStyle(), ChartGradientStyleLinear);
  EXPECT_EQ(gradient->colors().size(), 4u);
  // The point view of (0, 0, -1, -1), standardised, centred on the data point (50, 50).
  EXPECT_EQ(point.frame(), CGRectMake(49.5, 49.5, 1, 1));
  EXPECT_TRUE(inPlot(*chart, item.point));
}

TEST_F(LineDrawerTest, PointTypesWithoutAShapeShowTheImageOrNothing) {
  auto dot = std::make_shared<UIImage>(std::make_shared<CGImage>(2, 2, std::vector<std::uint32_t>(4, ~0u)));
  UIImage::registerImage("dot", dot);
  struct Case {
    NSUInteger pointType, gradientStyle;
    bool image, placed;
  };
  for (const Case& c : {Case{0, 0, false, false}, Case{4, 0, true, true}, Case{5, 3, true, true},
                        Case{5, 1, false, true}, Case{9, 0, false, true}}) {
    SCOPED_TRACE(::testing::Message() << "type " << c.pointType << ", gradient " << c.gradientStyle);
    auto chart = lineChart(ChartTypeLine, {{10, 5}});
    ChartItem& item = itemOf(*chart, 0, 1);
    item.pointType = c.pointType;
    item.gradientStyle = c.gradientStyle;
    item.pointImageName = "dot";
    item.pointWidth = 6;
    chart->DataBind();
    EXPECT_TRUE(item.point->layer()->sublayers().empty());
    EXPECT_EQ(item.point->layer()->contents, c.image ? dot->CGImage() : nullptr);
    EXPECT_EQ(inPlot(*chart, item.point), c.placed);
    EXPECT_EQ(item.point->frame(), c.placed ? CGRectMake(147, 72, 6, 6) : CGRectZero);
  }
  UIImage::registerImage("dot", nullptr);
}

TEST_F(LineDrawerTest, MarkerShapesAndTheirFills) {
  auto chart = lineChart(ChartTypeLine, {{10, 5, 15, 10, 5}});
  const auto fill = UIColor::colorWithRed(0, 1, 0, 1);
  struct Setup {
    NSUInteger pointType, layoutStyle, gradientStyle;
  };
  const Setup setups[] = {{2, 3, 0}, {3, 0, 0}, {1, 2, 0}, {2, 1, 3}, {3, 1, 4}};
  for (std::size_t k = 0; k < 5; ++k) {
    ChartItem& item = itemOf(*chart, 0, k);
    item.pointType = setups[k].pointType;
    item.layoutStyle = setups[k].layoutStyle;
    item.gradientStyle = setups[k].gradientStyle;
    item.pointWidth = 10;
    item.pointFillColor = fill;
    item.hatchLineStepHeight = 5;
  }
  chart->DataBind();

  // A square with the image style is filled plainly: a marker shows an image by its type alone.
  const UIView& square = *itemOf(*chart, 0, 0).point;
  ASSERT_EQ(square.layer()->sublayers().size(), 1u);
  const auto squareMarker = sublayerOf<CAShapeLayer>(square, 0);
  EXPECT_EQ(squareMarker->path->boundingBox(), CGRectMake(0, 0, 10, 10));
  EXPECT_EQ(squareMarker->fillColor, fill->CGColor());
  EXPECT_EQ(square.layer()->contents, nullptr);

  // The triangle: apex at the top centre, right side and base, its left side left open.
  const auto triangle = sublayerOf<CAShapeLayer>(*itemOf(*chart, 0, 1).point, 0);
  CGPath open;
  open.moveTo({5, 0});
  open.lineTo({10, 10});
  open.lineTo({0, 10});
  EXPECT_EQ(*triangle->path, open);
  EXPECT_EQ(triangle->fillColor, fill->CGColor());

  // Hatch lines in one layer over the marker box, confined to the marker, which keeps its default fill.
  const UIView& hatched = *itemOf(*chart, 0, 2).point;
  ASSERT_EQ(hatched.layer()->sublayers().size(), 2u);
  const auto hatchMarker = sublayerOf<CAShapeLayer>(hatched, 0);
  const auto& lines = hatched.layer()->sublayers()[1];
  EXPECT_EQ(lines->sublayers().size(), 4u);
  EXPECT_EQ(lines->frame(), CGRectMake(0, 0, 10, 10));
  EXPECT_EQ(lines->mask, hatchMarker);
  EXPECT_NE(hatchMarker->fillColor, fill->CGColor());

  // Inset: the gradient drawn linear over the marker box and a plain gradient over its middle three fifths,
  // both confined to the marker.
  const UIView& inset = *itemOf(*chart, 0, 3).point;
  ASSERT_EQ(inset.layer()->sublayers().size(), 3u);
  const auto insetMarker = sublayerOf<CAShapeLayer>(inset, 0);
  const auto outer = sublayerOf<QnGradientLayer>(inset, 1);
  const auto inner = sublayerOf<CAGradientLayer>(inset, 2);
  ASSERT_TRUE(outer && inner);
  EXPECT_EQ(outer->gradientStyle(), ChartGradientStyleLinear);
  EXPECT_EQ(outer->frame(), CGRectMake(0, 0, 10, 10));
  EXPECT_EQ(inner->frame(), CGRectMake(2, 2, 6, 6));
  EXPECT_EQ(outer->mask, insetMarker);
  EXPECT_EQ(inner->mask, insetMarker);

  // Rainbow: only the ten hues, over the marker box.
  const UIView& rainbow = *itemOf(*chart, 0, 4).point;
  ASSERT_EQ(rainbow.layer()->sublayers().size(), 2u);
  const auto hues = sublayerOf<CAGradientLayer>(rainbow, 1);
  ASSERT_TRUE(hues);
  EXPECT_EQ(hues->colors.size(), 10u);
  EXPECT_EQ(hues->frame(), CGRectMake(0, 0, 10, 10));
  EXPECT_EQ(hues->mask, sublayerOf<CAShapeLayer>(rainbow, 0));
}

TEST_F(LineDrawerTest, LongerSeriesRunsOnPastTheCategoryAxis) {
  auto chart = lineChart(ChartTypeLine, {{1, 2}, {1, 2, 3}});
  chart->xAxisLabelsHidden = false;
  chart->xAxisLabelsShowDefaultOrderNumbers = true;
  chart->DataBind();
  EXPECT_EQ(pointOf(*chart, 1, 2).x, 250);
  EXPECT_EQ(segmentsOf(*chart).size(), 3u);
  // Labels of equal position lie on one another; the extra item is labelled past the plot's end.
  EXPECT_EQ(itemOf(*chart, 0, 1).xAxisLabel->frame(), itemOf(*chart, 1, 1).xAxisLabel->frame());
  EXPECT_EQ(itemOf(*chart, 1, 2).xAxisLabel->frame(), CGRectMake(20 + 250 - 2.5, 130, 5, 10));
}

TEST_F(LineDrawerTest, OtherOrientationJoinsTheFrameOrigins) {
  auto chart = lineChart(ChartTypeLine, {{10, 5, 8}}, 2);
  chart->xAxisLinesHidden = false;
  chart->xAxisLabelsHidden = false;
  chart->xAxisLabelsShowDefaultOrderNumbers = true;
  itemOf(*chart, 0, 1).setFrame(CGRectMake(30, 40, 5, 5));
  itemOf(*chart, 0, 2).setFrame(CGRectMake(60, 10, 5, 5));
  chart->DataBind();
  EXPECT_EQ(itemOf(*chart, 0, 0).frame(), CGRectMake(0, 0, 0.1, 0.1)) << "never drawn: the origin";
  EXPECT_EQ(itemOf(*chart, 0, 1).frame(), CGRectMake(30, 40, 0.1, 0.1));
  const auto layers = segmentsOf(*chart);
  // Two segments, then the category grid lines across the plot as in the horizontal arrangement.
  ASSERT_EQ(layers.size(), 5u);
  EXPECT_EQ(segmentStart(*layers[0]), CGPointMake(0, 0));
  EXPECT_EQ(segmentEnd(*layers[1]), CGPointMake(60, 10));
  const CGFloat slotCentre = 200 / 6.0;  // the vertical extents: slots across the plot's width
  EXPECT_EQ(segmentStart(*layers[2]), CGPointMake(0, slotCentre));
  EXPECT_EQ(segmentEnd(*layers[2]), CGPointMake(100, slotCentre));
  EXPECT_EQ(itemOf(*chart, 0, 0).xAxisLabel->frame(), CGRectMake(20 - 2 - 5, 30 + slotCentre - 5, 5, 10));

  // A second bind starts from the points the first one stored.
  chart->DataBind();
  EXPECT_EQ(itemOf(*chart, 0, 2).frame(), CGRectMake(60, 10, 0.1, 0.1));
}

TEST_F(LineDrawerTest, RebindLeavesOneSegmentPerPairAndOneMarkerPerPoint) {
  auto chart = lineChart(ChartTypeLine, {{10, 5, 15}, {4, 8, 12}});
  ChartItem& hatched = itemOf(*chart, 1, 0);
  hatched.layoutStyle = ChartLayoutStyleHatch;
  hatched.pointWidth = 10;
  hatched.hatchLineStepHeight = 5;
  itemOf(*chart, 1, 1).pointType = ChartPointTypeImage;
  // The host's own layer on a point view stays.
  const auto hostLayer = CALayer::layer();
  itemOf(*chart, 0, 0).point->layer()->addSublayer(hostLayer);

  chart->DataBind();
  const std::string once = testing::treeSignature(*chart);
  chart->DataBind();
  EXPECT_EQ(testing::treeSignature(*chart), once);
  EXPECT_EQ(segmentsOf(*chart).size(), 4u);
  EXPECT_EQ(itemOf(*chart, 0, 0).point->layer()->sublayers().size(), 3u);
  EXPECT_EQ(itemOf(*chart, 0, 0).point->layer()->sublayers()[0], hostLayer);
  EXPECT_EQ(hatched.point->layer()->sublayers().size(), 2u);
}

TEST_F(LineDrawerTest, ChartsWithoutScaleOrSlotsKeepEveryFrameFinite) {
  // All values 0: no scale, every point on the zero line.
  auto zeros = lineChart(ChartTypeLine, {{0, 0, 0}});
  zeros->maxValue = kChartUnsetMaxValue;
  zeros->DataBind();
  ASSERT_EQ(zeros->maxValue, 0);
  for (std::size_t k = 0; k < 3; ++k) {
    const ChartItem& item = itemOf(*zeros, 0, k);
    EXPECT_TRUE(CGRectIsFinite(item.frame()));
    EXPECT_EQ(item.frame().origin.y, 100);
    EXPECT_TRUE(CGRectIsFinite(item.point->frame()));
    EXPECT_TRUE(CGRectIsFinite(item.Title->frame()));
  }
  EXPECT_EQ(segmentsOf(*zeros).size(), 2u);

  // A marker width that is not a number gives that item no marker; the others are still drawn.
  auto unsized = lineChart(ChartTypeLine, {{10, 5}});
  itemOf(*unsized, 0, 0).pointWidth = std::numeric_limits<CGFloat>::quiet_NaN();
  unsized->DataBind();
  EXPECT_FALSE(inPlot(*unsized, itemOf(*unsized, 0, 0).point));
  EXPECT_TRUE(itemOf(*unsized, 0, 0).point->layer()->sublayers().empty());
  EXPECT_TRUE(inPlot(*unsized, itemOf(*unsized, 0, 1).point));

  // The first series without items: no slot for any point, so nothing is drawn for the others either.
  for (NSUInteger orientation : {0, 1, 2}) {
    auto empty = lineChart(ChartTypeLine, {{}, {3, 4}}, orientation);
    empty->DataBind();
    EXPECT_TRUE(segmentsOf(*empty).empty());
    for (std::size_t k = 0; k < 2; ++k) {
      const ChartItem& item = itemOf(*empty, 1, k);
      EXPECT_EQ(item.frame(), CGRectZero);
      EXPECT_FALSE(inPlot(*empty, item.point));
      EXPECT_FALSE(inPlot(*empty, item.Title));
      EXPECT_EQ(item.layoutStyle, 1u) << "the defaults are still written";
    }
    EXPECT_EQ(empty->subviews().back(), empty->plotArea) << "the bind goes on";
  }
}

TEST_F(LineDrawerTest, SegmentsTakeTheSeriesTemplateWithAWhiteStrokeWhereItHasNone) {
  auto chart = lineChart(ChartTypeLine, {{10, 5}, {4, 8}});
  CAShapeLayer& styled = *chart->series[0]->shape;
  styled.strokeColor = UIColor::colorWithRed(1, 0, 0, 1)->CGColor();
  styled.lineDashPattern = {4, 2};
  styled.setShadowColor(UIColor::blackColor()->CGColor());
  chart->DataBind();
  const auto segments = segmentsOf(*chart);
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0]->strokeColor, styled.strokeColor);
  EXPECT_EQ(segments[0]->lineDashPattern, styled.lineDashPattern);
  EXPECT_EQ(segments[0]->shadowColor(), styled.shadowColor()) << "a line keeps the template's shadow colour";
  EXPECT_EQ(segments[1]->strokeColor->rgba(), UIColor::whiteColor()->rgba());
  EXPECT_EQ(chart->series[1]->shape->strokeColor, nullptr) << "the template itself is left as it was";
}

TEST_F(LineDrawerTest, RenderedLineShowsItsStrokeBetweenItsPointsAndMarkersTheirFillInsideTheirOutline) {
  auto chart = lineChart(ChartTypeLine, {{10, 16}});
  chart->series[0]->shape->strokeColor = UIColor::colorWithRed(1, 0, 0, 1)->CGColor();
  chart->series[0]->shape->lineWidth = 4;
  for (ChartItem* item : {&itemOf(*chart, 0, 0), &itemOf(*chart, 0, 1)}) {
    item->pointWidth = 20;
    item->pointStrokeLineWidth = 2;
    item->pointStrokeLineColor = UIColor::colorWithRed(1, 0, 0, 1);
  }
  // A translucent gradient; hatch lines 10 apart, 2 wide.
  ChartItem& shaded = itemOf(*chart, 0, 0);
  const auto halfBlue = UIColor::colorWithRed(0, 0, 1, 0.5);
  shaded.gradientColorTop = halfBlue;
  shaded.gradientColorTopExtra = halfBlue;
  shaded.gradientColorBottom = nullptr;
  shaded.gradientLocations = {Value(0), Value(1)};
  ChartItem& hatched = itemOf(*chart, 0, 1);
  hatched.layoutStyle = ChartLayoutStyleHatch;
  hatched.hatchLineStepHeight = 10;
  hatched.hatchLineWidth = 2;
  hatched.foregroundColor = UIColor::colorWithRed(0, 1, 0, 1);
  chart->DataBind();
  RenderOptions options;
  options.background = UIColor::whiteColor();
  const auto image = renderToImage(*chart, options);
  ASSERT_NE(image, nullptr);

  const RGBA8 white{255, 255, 255, 255}, red{255, 0, 0, 255};
  // From (50, 50) to (150, 20) in the plot at (20, 30): halfway at (100, 35), beside it the page.
  EXPECT_TRUE(testing::pixelNear(*image, 20 + 100, 30 + 35, red));
  EXPECT_TRUE(testing::pixelNear(*image, 20 + 100, 30 + 55, white));
  // The gradient marker centred at (70, 80) on the page: light over the white plot inside, its stroke on
  // the circle of radius 10, nothing in the corner of its box.
  EXPECT_TRUE(testing::pixelNear(*image, 70 + 3, 80 + 3, {127, 127, 255, 255}));
  EXPECT_TRUE(testing::pixelNear(*image, 70 + 9, 80, red));
  EXPECT_TRUE(testing::pixelNear(*image, 70 - 9, 80 - 9, white));
  // The hatch marker's box at (160, 40): a line through its centre, the page between two lines inside the
  // circle, and no line beyond the circle in the box's corner.
  EXPECT_TRUE(testing::pixelNear(*image, 160 + 9, 40 + 10, {0, 255, 0, 255}, 40));
  EXPECT_TRUE(testing::pixelNear(*image, 160 + 10, 40 + 4, white));
  EXPECT_TRUE(testing::pixelNear(*image, 160 + 1, 40 + 18, white));
}

}  // namespace
}  // namespace tarnavel
