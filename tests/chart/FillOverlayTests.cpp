#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/FillOverlay.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace tarnavel {
namespace {

using RGBA = std::array<CGFloat, 4>;

template <class Layer>
std::shared_ptr<Layer> sublayerAs(const CALayer& layer, std::size_t index) {
  return index < layer.sublayers().size() ? std::dynamic_pointer_cast<Layer>(layer.sublayers()[index])
                                          : nullptr;
}

std::vector<RGBA> rgbaOf(const std::vector<CGColorRef>& colors) {
  std::vector<RGBA> out;
  for (const auto& c : colors)
    out.push_back(c ? c->rgba() : RGBA{-1, -1, -1, -1});
  return out;
}

// A box to fill and the record its additions go through.
struct Fixture {
  std::shared_ptr<ChartItem> box = std::make_shared<ChartItem>(CGRectMake(7, 9, 100, 50));
  ChartBindRecord record;
  std::vector<std::shared_ptr<CALayer>> fill() { return addFillOverlay(*box, *box, record); }
};

TEST(FillOverlay, GradientStylesGiveOneGradientLayerOverTheBounds) {
  for (const NSUInteger style : {0u, 1u, 2u, 99u}) {
    SCOPED_TRACE(style);
    Fixture f;
    f.box->layoutStyle = ChartLayoutStyleGradient;
    f.box->gradientStyle = style;
    f.box->gradientDirection = ChartGradientDirectionVertical;
    f.box->gradientRadius = 40;
    f.box->gradientColorTopExtra = nullptr;  // the colour list ends before it
    ASSERT_EQ(f.fill().size(), 1u);
    const auto gradient = sublayerAs<QnGradientLayer>(*f.box->layer(), 0);
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->gradientStyle(), style);
    EXPECT_EQ(gradient->gradientDirection(), ChartGradientDirectionVertical);
    EXPECT_EQ(gradient->gradientRadius(), 40);
    EXPECT_EQ(gradient->frame(), CGRectMake(0, 0, 100, 50));
    EXPECT_EQ(rgbaOf(gradient->colors()), (std::vector<RGBA>{{0.8, 0.18, 0.18, 0.2}}));
  }
}

TEST(FillOverlay, InsetDrawsTheGradientLinearWithAPlainGradientOverTheMiddleThreeFifths) {
  Fixture f;
  f.box->layoutStyle = ChartLayoutStyleGradient;
  f.box->gradientStyle = ChartGradientStyleInset;
  // A stray list among the locations counts as 0 in both layers instead of raising in one of them.
  f.box->gradientLocations = {Value::newArray({"x"}), Value(1)};
  f.fill();
  ASSERT_EQ(f.box->layer()->sublayers().size(), 2u);
  const auto outer = sublayerAs<QnGradientLayer>(*f.box->layer(), 0);
  const auto inner = sublayerAs<CAGradientLayer>(*f.box->layer(), 1);
  ASSERT_TRUE(outer && inner);
  EXPECT_EQ(outer->gradientStyle(), ChartGradientStyleLinear);
  EXPECT_EQ(outer->frame(), CGRectMake(0, 0, 100, 50));
  EXPECT_EQ(inner->frame(), CGRectMake(20, 10, 60, 30));
  EXPECT_EQ(rgbaOf(inner->colors), rgbaOf(outer->colors()));
  EXPECT_EQ(inner->locations, (std::vector<CGFloat>{0, 1}));
}

TEST(FillOverlay, RainbowReplacesTheGradientWithTenHuesAlongTheDirection) {
  struct DirectionCase {
    NSUInteger direction;
    CGPoint start;
    CGPoint end;
  };
  const DirectionCase cases[] = {{0, {0, 0.5}, {1, 1}},
                                 {1, {0, 1}, {0.5, 0}},
                                 {2, {0, 0.5}, {1, 0.5}},
                                 {3, {0.5, 0}, {0.5, 1}},  // the layer's own default axis
                                 {7, {0.5, 0}, {0.5, 1}}};
  for (const DirectionCase& c : cases) {
    SCOPED_TRACE(c.direction);
    Fixture f;
    f.box->layoutStyle = ChartLayoutStyleGradient;
    f.box->gradientStyle = ChartGradientStyleRainbow;
    f.box->gradientDirection = c.direction;
    f.fill();
    ASSERT_EQ(f.box->layer()->sublayers().size(), 1u);
    const auto rainbow = sublayerAs<CAGradientLayer>(*f.box->layer(), 0);
    ASSERT_NE(rainbow, nullptr);
    EXPECT_EQ(rainbow->frame(), CGRectMake(0, 0, 100, 50));
    EXPECT_EQ(rainbow->startPoint, c.start);
    EXPECT_EQ(rainbow->endPoint, c.end);
    ASSERT_EQ(rainbow->colors.size(), 10u);
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(rainbow->colors[i]->rgba(), UIColor::colorWithHue(i * 0.1, 1, 0.8, 0.8)->rgba()) << i;
    }
  }
}

TEST(FillOverlay, HatchAddsOneStrokedSegmentPerLine) {
  Fixture f;
  f.box->setFrame(CGRectMake(3, 4, 10, 10));
  f.box->layoutStyle = ChartLayoutStyleHatch;
  f.box->foregroundColor = UIColor::colorWithRed(0, 1, 0, 1);
  f.box->hatchLineWidth = 0.7;
  EXPECT_EQ(f.fill().size(), 4u);
  ASSERT_EQ(f.box->layer()->sublayers().size(), 4u);
  const auto second = sublayerAs<CAShapeLayer>(*f.box->layer(), 1);
  ASSERT_TRUE(second && second->path);
  EXPECT_EQ(second->lineWidth, 0.7);
  EXPECT_EQ(second->lineCap, kCALineCapButt);
  EXPECT_EQ(second->strokeColor->rgba(), (RGBA{0, 1, 0, 1}));
  EXPECT_EQ(second->frame(), CGRectZero);
  CGPath expected;
  expected.moveTo({0, 5});
  expected.lineTo({5, 0});
  EXPECT_EQ(*second->path, expected);
}

TEST(FillOverlay, ImageStyleSetsTheNamedImageOrNothingAsContents) {
  auto pixels = std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0xff00ff00});
  UIImage::registerImage("stripes", std::make_shared<UIImage>(pixels));
  Fixture f;
  f.box->layoutStyle = ChartLayoutStyleImage;
  f.box->backgroundImageName = "stripes";
  EXPECT_TRUE(f.fill().empty());
  EXPECT_EQ(f.box->layer()->contents, pixels);
  f.box->backgroundImageName = "no such image";
  f.fill();
  EXPECT_EQ(f.box->layer()->contents, nullptr);
  UIImage::registerImage("stripes", nullptr);
}

TEST(FillOverlay, OtherStylesAddNothingAndEveryAdditionGoesThroughTheRecord) {
  Fixture f;
  for (const NSUInteger style : {0u, 4u, 1000u}) {
    f.box->layoutStyle = style;
    EXPECT_TRUE(f.fill().empty());
  }
  auto hostLayer = CALayer::layer();
  f.box->layer()->addSublayer(hostLayer);
  f.box->layoutStyle = ChartLayoutStyleGradient;
  f.fill();
  f.fill();
  EXPECT_EQ(f.box->layer()->sublayers().size(), 3u);
  f.record.undo();
  EXPECT_EQ(f.box->layer()->sublayers(), (std::vector<std::shared_ptr<CALayer>>{hostLayer}));
}

}  // namespace
}  // namespace tarnavel
