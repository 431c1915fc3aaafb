#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/RenderingTestSupport.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/chart/internal/StyledBox.h"
#include "tarnavel/platform/render/RecordingContext.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using Record = DrawingRecord::Kind;
using RGBA = std::array<CGFloat, 4>;

// A gradient layer of w x h set up as the fill overlay sets one up with the default style colours.
std::shared_ptr<QnGradientLayer> defaultLayer(NSUInteger style, NSUInteger direction, CGFloat w = 100,
                                              CGFloat h = 40) {
  auto layer = QnGradientLayer::layer();
  layer->setGradientStyle(style);
  layer->setColors({defaultGradientColorTop()->CGColor(), UIColor::clearColor()->CGColor(),
                    UIColor::clearColor()->CGColor(), defaultGradientColorBottomExtra()->CGColor()});
  layer->setLocations({Value(0), Value(0.5), Value(0.5), Value(1)});
  layer->setGradientDirection(direction);
  layer->setGradientRadius(155);
  layer->setFrame(CGRectMake(7, 9, w, h));
  return layer;
}

std::vector<DrawingRecord> drawn(const QnGradientLayer& layer) {
  RecordingContext recorder;
  layer.drawInContext(recorder);
  return recorder.records();
}

std::string describe(const std::vector<DrawingRecord>& calls) {
  std::string text;
  for (const auto& c : calls) {
    text += (c.kind == Record::RadialGradient   ? "radial "
             : c.kind == Record::LinearGradient ? "linear "
                                                : "other ") +
            std::to_string(int(c.start.x)) + "," + std::to_string(int(c.start.y)) + "->" +
            std::to_string(int(c.end.x)) + "," + std::to_string(int(c.end.y)) + " options " +
            std::to_string(c.options) + "; ";
  }
  return text;
}

struct PassCase {
  NSUInteger direction;
  const char* linear;
  const char* crossed;
};

TEST(QnGradientLayerDrawing, LinearAndCrossedPassesFollowTheDirection) {
  const PassCase cases[] = {
      {0, "linear 0,0->100,40 options 2; ", "linear 0,0->100,40 options 1; linear 100,0->0,40 options 2; "},
      {1, "linear 100,0->0,40 options 2; ", "linear 100,0->0,40 options 1; linear 100,40->0,0 options 2; "},
      {2, "linear 0,20->100,20 options 2; ", "linear 0,20->100,20 options 1; linear 50,0->50,40 options 2; "},
      {3, "linear 50,0->50,40 options 2; ", "linear 50,0->50,40 options 1; linear 100,20->0,20 options 2; "},
      // A direction the layer does not know draws like the diagonal.
      {4, "linear 0,0->100,40 options 2; ", "linear 0,0->100,40 options 1; linear 100,0->0,40 options 2; "},
      {kChartItemUnset, "linear 0,0->100,40 options 2; ",
       "linear 0,0->100,40 options 1; linear 100,0->0,40 options 2; "},
  };
  for (const PassCase& c : cases) {
    SCOPED_TRACE("direction " + std::to_string(c.direction));
    EXPECT_EQ(describe(drawn(*defaultLayer(ChartGradientStyleLinear, c.direction))), c.linear);
    EXPECT_EQ(describe(drawn(*defaultLayer(ChartGradientStyleInset, c.direction))), c.linear);
    EXPECT_EQ(describe(drawn(*defaultLayer(ChartGradientStyleCrossed, c.direction))), c.crossed);
  }
}

TEST(QnGradientLayerDrawing, RadialIgnoresDirectionAndContinuesTheLastColour) {
  for (NSUInteger direction : {0u, 3u}) {
    const auto layer = defaultLayer(ChartGradientStyleRadial, direction);
    const auto calls = drawn(*layer);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, Record::RadialGradient);
    EXPECT_EQ(calls[0].start, (CGPoint{50, 20}));
    EXPECT_EQ(calls[0].end, (CGPoint{50, 20}));
    EXPECT_EQ(calls[0].startRadius, 0.0);
    EXPECT_EQ(calls[0].endRadius, 155.0);
    EXPECT_EQ(calls[0].options, kCGGradientDrawsAfterEndLocation);
  }
  auto small = defaultLayer(ChartGradientStyleRadial, 0);
  small->setGradientRadius(12.5);
  EXPECT_EQ(drawn(*small).at(0).endRadius, 12.5);
}

TEST(QnGradientLayerDrawing, RainbowAndUnknownStylesDrawNothing) {
  for (NSUInteger style : {NSUInteger{4}, NSUInteger{5}, kChartItemUnset}) {
    EXPECT_TRUE(drawn(*defaultLayer(style, 2)).empty()) << style;
  }
}

TEST(QnGradientLayerDrawing, MixedColourKindsAreReadAsRGBAOnePerStop) {
  const auto calls = drawn(*defaultLayer(ChartGradientStyleLinear, 2));
  ASSERT_EQ(calls.size(), 1u);
  const auto& stops = calls[0].gradient.stops;
  ASSERT_EQ(stops.size(), 4u);
  EXPECT_EQ(stops[0].rgba, (RGBA{0.8, 0.18, 0.18, 0.2}));
  EXPECT_EQ(stops[1].rgba, (RGBA{0, 0, 0, 0}));
  EXPECT_EQ(stops[2].rgba, (RGBA{0, 0, 0, 0}));
  EXPECT_EQ(stops[3].rgba, (RGBA{0.1, 0.1, 0.8, 0.5}));
  EXPECT_EQ(stops[0].location, 0.0);
  EXPECT_EQ(stops[1].location, 0.5);
  EXPECT_EQ(stops[3].location, 1.0);

  // A grey first colour does not make the others be read as two components.
  auto greyFirst = defaultLayer(ChartGradientStyleLinear, 2);
  greyFirst->setColors(
      {UIColor::whiteColor()->CGColor(), UIColor::colorWithRed(0.25, 0.5, 0.75, 1)->CGColor()});
  greyFirst->setLocations({Value(0), Value(1)});
  const auto grey = drawn(*greyFirst);
  ASSERT_EQ(grey.size(), 1u);
  EXPECT_EQ(grey[0].gradient.stops[0].rgba, (RGBA{1, 1, 1, 1}));
  EXPECT_EQ(grey[0].gradient.stops[1].rgba, (RGBA{0.25, 0.5, 0.75, 1}));

  // Stops are read as single-precision numbers.
  greyFirst->setLocations({Value(0), Value(0.1)});
  EXPECT_EQ(drawn(*greyFirst).at(0).gradient.stops.at(1).location, static_cast<CGFloat>(0.1f));
}

TEST(QnGradientLayerDrawing, DrawsTheShorterOfColoursAndStopsAndNothingForAnEmptyList) {
  auto moreStops = defaultLayer(ChartGradientStyleLinear, 2);
  moreStops->setLocations({Value(0), Value(0.25), Value(0.5), Value(0.75), Value(1)});
  ASSERT_EQ(drawn(*moreStops).size(), 1u);
  EXPECT_EQ(drawn(*moreStops)[0].gradient.stops.size(), 4u);

  auto fewerStops = defaultLayer(ChartGradientStyleLinear, 2);
  fewerStops->setLocations({Value(0), Value(1)});
  ASSERT_EQ(drawn(*fewerStops).size(), 1u);
  EXPECT_EQ(drawn(*fewerStops)[0].gradient.stops.size(), 2u);

  auto noColours = defaultLayer(ChartGradientStyleCrossed, 2);
  noColours->setColors({});
  EXPECT_TRUE(drawn(*noColours).empty());

  auto noStops = defaultLayer(ChartGradientStyleRadial, 2);
  noStops->setLocations({});
  EXPECT_TRUE(drawn(*noStops).empty());

  EXPECT_TRUE(drawn(*QnGradientLayer::layer()).empty());
}

TEST(QnGradientLayerProperties, TheFiveKeysRedrawAndOthersAskTheLayer) {
  const QnGradientLayer layer;
  for (const char* key : QnGradientLayerProperties)
    EXPECT_TRUE(layer.needsDisplayForKey(key)) << key;
  EXPECT_FALSE(layer.needsDisplayForKey("bounds"));
  EXPECT_FALSE(layer.needsDisplayForKey("Colors"));
  EXPECT_EQ(layer.actionForKey("bounds"), nullptr);

  auto shown = defaultLayer(0, 2);
  shown->markDisplayed();
  EXPECT_FALSE(shown->needsDisplay());
  shown->setGradientRadius(20);
  EXPECT_TRUE(shown->needsDisplay());
  EXPECT_EQ(shown->gradientRadius(), 20.0);
}

TEST(QnGradientLayerProperties, ChangesOnScreenAnimateFromTheDisplayedValue) {
  auto layer = defaultLayer(0, 2);
  const std::vector<CGColorRef> displayed = layer->colors();
  EXPECT_EQ(layer->animationForKey("colors"), nullptr) << "a layer never displayed does not animate";

  layer->markDisplayed();
  const std::vector<CGColorRef> first{UIColor::blackColor()->CGColor()};
  layer->setColors(first);
  layer->setColors({UIColor::whiteColor()->CGColor()});

  const auto animation = layer->animationForKey("colors");
  ASSERT_NE(animation, nullptr);
  EXPECT_EQ(animation->keyPath(), "colors");
  EXPECT_EQ(animation->fromValue, CALayerValue(displayed));
  EXPECT_EQ(layer->colors(), std::vector<CGColorRef>{UIColor::whiteColor()->CGColor()});

  layer->setGradientStyle(1);
  ASSERT_NE(layer->animationForKey("gradientStyle"), nullptr);
  EXPECT_EQ(layer->animationForKey("gradientStyle")->fromValue, CALayerValue(Value(NSUInteger{0})));
}

TEST(QnGradientLayerRendering, HorizontalGradientRunsFromTheFirstColourToTheLast) {
  auto view = std::make_shared<UIView>(CGRectMake(0, 0, 100, 20));
  auto layer = QnGradientLayer::layer();
  layer->setGradientStyle(ChartGradientStyleLinear);
  layer->setGradientDirection(ChartGradientDirectionHorizontal);
  layer->setColors(
      {UIColor::colorWithRed(1, 0, 0, 1)->CGColor(), UIColor::colorWithRed(0, 0, 1, 1)->CGColor()});
  layer->setLocations({Value(0), Value(1)});
  layer->setFrame(CGRectMake(0, 0, 100, 20));
  view->layer()->addSublayer(layer);

  const auto image = renderToImage(*view);
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(testing::pixelNear(*image, 0, 10, {255, 0, 0, 255}));
  EXPECT_TRUE(testing::pixelNear(*image, 99, 10, {0, 0, 255, 255}));
  EXPECT_TRUE(testing::pixelNear(*image, 50, 3, {127, 0, 127, 255}));
  EXPECT_FALSE(layer->needsDisplay()) << "the renderer displayed the layer";
  EXPECT_NE(layer->presentationLayer(), nullptr);
}

}  // namespace
}  // namespace tarnavel
