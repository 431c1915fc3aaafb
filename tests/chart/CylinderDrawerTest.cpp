#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "ChartTestSupport.h"
#include "ChartTreeSignature.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/internal/CylinderGeometry.h"
#include "tarnavel/chart/internal/LayerCopyBudget.h"
#include "tarnavel/platform/foundation/SwallowedExceptions.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using testing::makeChart;

// Cylinders on a plot area 300 wide and 200 high whose value axis ends at 20: a value v stands 10 v points
// tall. Three items make slots of 100.
std::shared_ptr<UIChart> cylinderChart(NSUInteger type,
                                       std::initializer_list<std::initializer_list<CGFloat>> data,
                                       NSUInteger orientation = ChartOrientationVertical) {
  auto chart = makeChart(type, data);
  chart->orientation = orientation;
  chart->maxValue = 20;
  chart->itemBreadth = 0.5;
  chart->plotArea->setFrame(CGRectMake(10, 20, 300, 200));
  return chart;
}

ChartItem& itemOf(const UIChart& chart, std::size_t j, std::size_t k) {
  return *chart.series.at(j)->Items.at(k);
}

bool nearRect(CGRect a, CGRect b) {
  const auto near = [](CGFloat x, CGFloat y) { return std::fabs(x - y) < 1e-9; };
  return near(a.origin.x, b.origin.x) && near(a.origin.y, b.origin.y) && near(a.size.width, b.size.width) &&
         near(a.size.height, b.size.height);
}

// The layers one item left on the plot area's layer, told apart by the oval they draw: the extra oval of a
// gradient, the body copies in drawing order, and the container holding the top oval, drawn last.
struct Cylinder {
  std::vector<std::shared_ptr<CALayer>> extraOvals;
  std::vector<std::shared_ptr<CALayer>> body;
  std::shared_ptr<CALayer> top;
};

const CAShapeLayer* ovalIn(const CALayer& layer) {
  if (layer.sublayers().empty()) return dynamic_cast<const CAShapeLayer*>(&layer);
  return dynamic_cast<const CAShapeLayer*>(layer.sublayers().front().get());
}

Cylinder cylinderAt(const UIChart& chart, CGRect oval) {
  Cylinder found;
  for (const auto& layer : chart.plotArea->layer()->sublayers()) {
    const CAShapeLayer* shape = ovalIn(*layer);
    if (layer->owningView() || !shape || !shape->path || !nearRect(shape->path->boundingBox(), oval))
      continue;
    if (layer->sublayers().empty()) {
      found.extraOvals.push_back(layer);
    } else {
      if (found.top) found.body.push_back(found.top);
      found.top = layer;
    }
  }
  return found;
}

// The top oval of a vertical item of breadth `b`: centred on the upper edge of its rectangle.
Cylinder cylinderOf(const UIChart& chart, std::size_t j, std::size_t k, CGFloat b) {
  const CGRect f = itemOf(chart, j, k).frame();
  return cylinderAt(chart, CGRectMake(f.origin.x, f.origin.y - b / 4, b, b / 2));
}

std::size_t containersOn(const UIChart& chart) {
  const auto& layers = chart.plotArea->layer()->sublayers();
  return static_cast<std::size_t>(std::count_if(layers.begin(), layers.end(), [](const auto& layer) {
    return !layer->owningView() && !layer->sublayers().empty() && layer->frame() == CGRectZero;
  }));
}

class CylinderDrawerTest : public ::testing::Test {
 protected:
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 10)};
};

TEST_F(CylinderDrawerTest, GroupedCylindersStandSideBySideUnderTheirTopOvals) {
  auto chart = cylinderChart(ChartTypeCylinder, {{10, 4, 8}, {5, 6, 2}});
  chart->xAxisLabelsHidden = false;
  itemOf(*chart, 0, 0).xAxisLabel->setText("A");
  chart->DataBind();
  EXPECT_EQ(itemOf(*chart, 0, 0).frame(), CGRectMake(25, 100, 25, 100));
  EXPECT_EQ(itemOf(*chart, 1, 2).frame(), CGRectMake(250, 180, 25, 20));
  const Cylinder cylinder = cylinderAt(*chart, CGRectMake(250, 173.75, 25, 12.5));
  ASSERT_NE(cylinder.top, nullptr);
  EXPECT_EQ(cylinder.body.size(), 40u) << "twice the length, half a point apart";
  EXPECT_EQ(cylinder.body.front()->frame().origin, (CGPoint{0, 20}));
  EXPECT_EQ(cylinder.body.back()->frame().origin, (CGPoint{0, 0.5}));
  EXPECT_EQ(containersOn(*chart), 6u);

  // Items without colours get automatic hues, written back and filling their ovals; the ovals keep a thin
  // outline; the items take the cylinder's defaults.
  const ChartItem& first = itemOf(*chart, 0, 0);
  ASSERT_NE(first.backgroundColor(), nullptr);
  const Cylinder firstCylinder = cylinderOf(*chart, 0, 0, 25);
  ASSERT_NE(firstCylinder.top, nullptr);
  const CAShapeLayer& oval = *ovalIn(*firstCylinder.top);
  EXPECT_TRUE(CGColorEqualToColor(oval.fillColor, first.backgroundColor()->CGColor()));
  EXPECT_EQ(oval.lineWidth, 0.2);
  EXPECT_EQ(first.layoutStyle, 0u);
  EXPECT_EQ(first.titleVerticalLocation, 1u);
  EXPECT_EQ(first.titleHorizontalLocation, 2u);
  // The category label keeps a quarter of the breadth further from the plot.
  EXPECT_EQ(first.xAxisLabel->frame(), CGRectMake(10 + 50 - 2.5, 20 + 200 + 6.25, 5, 10));
}

TEST_F(CylinderDrawerTest, StackedCylindersStartWhereTheEarlierOnesOfTheirIndexEnded) {
  auto chart = cylinderChart(ChartTypeCylinderStacked, {{10, 4, 8}, {5, 6, 2}});
  chart->DataBind();
  ASSERT_EQ(chart->maxValue, 20);
  EXPECT_EQ(itemOf(*chart, 0, 0).frame(), CGRectMake(25, 100, 50, 100));
  EXPECT_EQ(itemOf(*chart, 1, 0).frame(), CGRectMake(25, 50, 50, 50));
  EXPECT_EQ(itemOf(*chart, 1, 2).frame(), CGRectMake(225, 100, 50, 20));
  EXPECT_EQ(cylinderOf(*chart, 1, 0, 50).body.size(), 100u);

  // Laid horizontally, the oval stands on the rectangle's left edge and the body runs to the right.
  auto across = cylinderChart(ChartTypeCylinderStacked, {{10}, {5}}, ChartOrientationHorizontal);
  across->plotArea->setFrame(CGRectMake(10, 20, 200, 100));
  across->DataBind();
  EXPECT_EQ(itemOf(*across, 1, 0).frame(), CGRectMake(100, 25, 50, 50));
  const Cylinder second = cylinderAt(*across, CGRectMake(87.5, 25, 25, 50));
  ASSERT_EQ(second.body.size(), 100u);
  EXPECT_EQ(second.body.front()->frame().origin, (CGPoint{50, 0}));
}

TEST_F(CylinderDrawerTest, BodyCopiesRunFromTheFarEndAndOnlyAWholeDoubleLengthCastsTheShadow) {
  struct Case {
    CGFloat value, length;
    std::size_t most, count;
    CGFloat first, last;
    bool shadow;
  };
  // Past `most` copies the body keeps those nearest the top, without the shadow of the farthest.
  for (const Case& c : {Case{1, 10.0, 99, 20, 10.0, 0.5, true}, Case{1, 10.3, 99, 20, 10.0, 0.5, false},
                        Case{-1, -10.3, 99, 21, 10.3, 0.3, false}, Case{0, 0, 99, 0, 0, 0, false},
                        Case{1, 10.0, 3, 3, 1.5, 0.5, false}, Case{-1, -10.3, 3, 3, 1.3, 0.3, false},
                        Case{1, 1e300, 2, 2, 1.0, 0.5, false}}) {
    const auto copies = cylinderBodyCopies(c.value, c.length, c.most);
    ASSERT_EQ(copies.size(), c.count) << "length " << c.length;
    if (copies.empty()) continue;
    EXPECT_NEAR(copies.front().offset, c.first, 1e-9) << "length " << c.length;
    EXPECT_NEAR(copies.back().offset, c.last, 1e-9) << "length " << c.length;
    EXPECT_EQ(copies.front().castsShadow, c.shadow) << "length " << c.length;
    EXPECT_TRUE(
        std::none_of(copies.begin() + 1, copies.end(), [](const auto& copy) { return copy.castsShadow; }));
  }
  // The whole body's count, however long; none for a length that is not a number.
  EXPECT_EQ(cylinderBodyCopyCount(-1, -10.3), 21u);
  EXPECT_EQ(cylinderBodyCopyCount(1, 1e300), std::size_t{1} << 53);
  for (const CGFloat length : {std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_EQ(cylinderBodyCopyCount(1, length), 0u) << length;
}

TEST_F(CylinderDrawerTest, OnlyTheFarthestCopyOfAWholeBodyCastsTheTemplateShadow) {
  auto chart = cylinderChart(ChartTypeCylinder, {{1, 1.03, 0}});
  chart->series[0]->shape->setShadowOpacity(0.5);
  chart->DataBind();
  const auto shadowed = [](const Cylinder& c) {
    return std::count_if(c.body.begin(), c.body.end(), [](const auto& l) { return l->shadowOpacity() > 0; });
  };
  const Cylinder whole = cylinderOf(*chart, 0, 0, 50);
  ASSERT_EQ(whole.body.size(), 20u);
  EXPECT_EQ(whole.body.front()->shadowOpacity(), 0.5f);
  EXPECT_EQ(shadowed(whole), 1);
  EXPECT_EQ(whole.top->shadowOpacity(), 0.0f);
  const Cylinder fractional = cylinderOf(*chart, 0, 1, 50);
  ASSERT_EQ(fractional.body.size(), 20u);
  EXPECT_EQ(shadowed(fractional), 0);
  // A value of 0: the oval in its container, no body.
  const Cylinder flat = cylinderOf(*chart, 0, 2, 50);
  ASSERT_NE(flat.top, nullptr);
  EXPECT_TRUE(flat.body.empty());
}

TEST_F(CylinderDrawerTest, BodiesBeyondTheBindsAllowanceOfCopiesStopShortAndTheBindGoesOn) {
  // A plot a million points high: the first body would need two million copies.
  auto chart = cylinderChart(ChartTypeCylinder, {{20, 10, 0}});
  chart->plotArea->setFrame(CGRectMake(10, 20, 300, 1'000'000));
  int told = 0;
  setSwallowedExceptionHandler([&](const NSException&) { ++told; });
  chart->DataBind();
  setSwallowedExceptionHandler(nullptr);
  EXPECT_EQ(told, 1) << "said once, not once per body";
  const Cylinder first = cylinderOf(*chart, 0, 0, 50);
  ASSERT_NE(first.top, nullptr);
  const std::size_t layersPerCopy = 1 + first.top->sublayers().size();
  EXPECT_EQ(first.body.size(), kCopiedLayersPerBind / layersPerCopy);
  EXPECT_EQ(first.body.back()->frame().origin, (CGPoint{0, 0.5})) << "the copies nearest the top are kept";
  // The allowance is spent: the next item gets its top without a body, and the bind completes.
  const Cylinder second = cylinderOf(*chart, 0, 1, 50);
  ASSERT_NE(second.top, nullptr);
  EXPECT_TRUE(second.body.empty());
  EXPECT_EQ(chart->subviews().back(), chart->plotArea);
  const auto& swallowed = chart->lastSwallowedException();
  ASSERT_TRUE(swallowed.has_value());
  EXPECT_NE(swallowed->reason().find("stopped copying"), std::string::npos);
}

TEST_F(CylinderDrawerTest, GradientOverlayIsClippedToTheOvalAndLeavesOneExtraOvalUnderTheBody) {
  struct Case {
    NSUInteger layoutStyle;
    std::size_t overlays, extraOvals;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 1, 1}, Case{2, 1, 0}, Case{3, 1, 0}}) {
    auto chart = cylinderChart(ChartTypeCylinder, {{10, 4, 8}});
    chart->series[0]->Items[0]->layoutStyle = c.layoutStyle;
    chart->series[0]->Items[0]->gradientStyle = ChartGradientStyleInset;
    chart->DataBind();
    const Cylinder cylinder = cylinderOf(*chart, 0, 0, 50);
    ASSERT_NE(cylinder.top, nullptr) << "style " << c.layoutStyle;
    const auto& inTop = cylinder.top->sublayers();
    ASSERT_EQ(inTop.size(), 1 + c.overlays) << "style " << c.layoutStyle;
    if (c.overlays) {
      const auto* mask = dynamic_cast<const CAShapeLayer*>(inTop[1]->mask.get());
      ASSERT_NE(mask, nullptr);
      EXPECT_EQ(*mask->path, *std::dynamic_pointer_cast<CAShapeLayer>(inTop[0])->path)
          << "the overlay is clipped by a copy of the top oval";
      EXPECT_EQ(inTop[1]->frame(), CGRectMake(0, 0, 300, 200)) << "over the whole plot";
    }
    ASSERT_EQ(cylinder.extraOvals.size(), c.extraOvals) << "style " << c.layoutStyle;
    if (c.extraOvals) {
      const auto& layers = chart->plotArea->layer()->sublayers();
      const auto at = [&](const std::shared_ptr<CALayer>& l) {
        return std::find(layers.begin(), layers.end(), l);
      };
      EXPECT_LT(at(cylinder.extraOvals[0]), at(cylinder.body.front()));
    }
  }
}

TEST_F(CylinderDrawerTest, OrientationWithoutRectanglesLeavesFramesAndOvalsUnset) {
  auto chart = cylinderChart(ChartTypeCylinder, {{10, 4}}, 2);
  itemOf(*chart, 0, 1).setFrame(CGRectMake(1, 2, 3, 4));
  chart->DataBind();
  EXPECT_EQ(itemOf(*chart, 0, 1).frame(), CGRectMake(1, 2, 3, 4));
  std::size_t copies = 0;
  for (const auto& layer : chart->plotArea->layer()->sublayers()) {
    if (layer->owningView() || layer->sublayers().empty()) continue;
    EXPECT_EQ(layer->frame(), CGRectZero);
    EXPECT_EQ(ovalIn(*layer)->path, nullptr);
    ++copies;
  }
  // 200 copies for 100 points, 80 for 40, and the two containers.
  EXPECT_EQ(copies, 282u);
}

TEST_F(CylinderDrawerTest, LaterSeriesBeyondTheFirstSeriesItemsEndsTheDrawerThere) {
  for (const NSUInteger type : {ChartTypeCylinder, ChartTypeCylinderStacked}) {
    auto chart = cylinderChart(type, {{1, 2, 3}, {1, 2, 3, 4}});
    chart->DataBind();
    const ChartItem& surplus = itemOf(*chart, 1, 3);
    EXPECT_EQ(surplus.layoutStyle, kChartItemUnset) << "type " << type;
    EXPECT_EQ(surplus.backgroundColor(), nullptr);
    EXPECT_EQ(containersOn(*chart), 6u) << "the cylinders before it stay";
    EXPECT_EQ(itemOf(*chart, 0, 0).Title->superview(), nullptr) << "no titles after the marks";
    EXPECT_EQ(chart->subviews().back(), chart->plotArea) << "the bind goes on";
  }

  auto empty = cylinderChart(ChartTypeCylinder, {{}, {3, 4}});
  empty->DataBind();
  EXPECT_EQ(containersOn(*empty), 0u);
  EXPECT_EQ(itemOf(*empty, 1, 0).layoutStyle, kChartItemUnset);
}

TEST_F(CylinderDrawerTest, AllValuesZeroGiveOvalsWithoutBodiesAndFiniteFrames) {
  for (const NSUInteger type : {ChartTypeCylinder, ChartTypeCylinderStacked}) {
    auto chart = cylinderChart(type, {{0, 0}, {0, std::nan("")}});
    chart->maxValue = kChartUnsetMaxValue;
    chart->DataBind();
    EXPECT_EQ(containersOn(*chart), 4u) << "type " << type;
    for (const auto& layer : chart->plotArea->layer()->sublayers())
      EXPECT_TRUE(layer->owningView() || layer->sublayers().empty() || layer->frame() == CGRectZero)
          << "no body copy";
    for (std::size_t j = 0; j < 2; ++j) {
      for (std::size_t k = 0; k < 2; ++k)
        EXPECT_TRUE(CGRectIsFinite(itemOf(*chart, j, k).frame()));
    }
  }
}

TEST_F(CylinderDrawerTest, BoundTwiceLooksLikeBoundOnce) {
  auto once = cylinderChart(ChartTypeCylinderStacked, {{2, 6, 4}, {1, 1, 2}});
  once->DataBind();
  auto twice = cylinderChart(ChartTypeCylinderStacked, {{2, 6, 4}, {1, 1, 2}});
  twice->DataBind();
  twice->DataBind();
  EXPECT_EQ(testing::treeSignature(*twice), testing::treeSignature(*once));
  EXPECT_EQ(containersOn(*twice), 6u);
}

// The hue of a pixel in degrees, or -1 for a grey.
double hueOf(RGBA8 p) {
  const double r = p.r / 255.0, g = p.g / 255.0, b = p.b / 255.0;
  const double hi = std::max({r, g, b}), lo = std::min({r, g, b}), d = hi - lo;
  if (d < 0.05) return -1;
  double h = hi == r ? std::fmod((g - b) / d, 6.0) : hi == g ? (b - r) / d + 2 : (r - g) / d + 4;
  h *= 60;
  return h < 0 ? h + 360 : h;
}

TEST_F(CylinderDrawerTest, RenderedTopShowsTheFillAndTheBodyTheSameHue) {
  auto chart = cylinderChart(ChartTypeCylinder, {{12, 6, 9}});
  const RGBA8 fill{60, 150, 90, 255};
  for (const auto& item : chart->series[0]->Items)
    item->setBackgroundColor(UIColor::colorWithRed(fill.r / 255.0, fill.g / 255.0, fill.b / 255.0, 1));
  chart->DataBind();
  RenderOptions options;
  options.background = UIColor::whiteColor();
  const auto image = renderToImage(*chart, options);
  ASSERT_NE(image, nullptr);
  const CGPoint plot = chart->plotArea->frame().origin;
  for (std::size_t k = 0; k < 3; ++k) {
    const CGRect f = itemOf(*chart, 0, k).frame();
    const int x = static_cast<int>(plot.x + CGRectGetMidX(f));
    // The top oval's centre, away from the outlines of the copies under it.
    EXPECT_TRUE(testing::pixelNear(*image, x, static_cast<int>(plot.y + f.origin.y - 4), fill))
        << "item " << k;
    const RGBA8 body = image->pixelAt(x, static_cast<int>(plot.y + CGRectGetMidY(f)));
    EXPECT_NEAR(hueOf(body), hueOf(fill), 6) << "item " << k;
    // Beside the cylinder, at the body's height: the background.
    EXPECT_TRUE(testing::pixelNear(*image, static_cast<int>(plot.x + 100 * k + 10),
                                   static_cast<int>(plot.y + CGRectGetMidY(f)), {255, 255, 255, 255}));
  }
}

}  // namespace
}  // namespace tarnavel
