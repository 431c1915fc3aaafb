// Layer properties that few layers set, the archive's deep copies, and drawing a wedge-shaped mask that is
// also a sublayer.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/geometry/UIBezierPath.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/layers/CALayerArchive.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;

TEST(LayerProperties, RarePropertiesStartAtTheirInitialValuesAndKeepWhatIsSet) {
  CALayer bare;
  EXPECT_TRUE(bare.isDoubleSided());
  EXPECT_EQ(bare.speed(), 1.0f);
  EXPECT_EQ(bare.contentsRect(), CGRectMake(0, 0, 1, 1));

  CALayer other;
  other.setSpeed(0.5f);
  other.setZPosition(3);
  other.setDoubleSided(false);
  other.setStyle(Value::newDictionary({{"k", 1}}));
  EXPECT_EQ(other.speed(), 0.5f);
  EXPECT_EQ(other.zPosition(), 3);
  EXPECT_FALSE(other.isDoubleSided());
  EXPECT_TRUE(other.style().isDictionary());
  EXPECT_EQ(bare.speed(), 1.0f) << "one layer's write reaches no other layer";
  EXPECT_TRUE(bare.isDoubleSided());
}

TEST(LayerProperties, ABareLayerStaysSmall) {
  // Grids make many layers: the rarely set properties must not grow every layer.
  EXPECT_LE(sizeof(CALayer), 640u);
}

TEST(LayerArchive, DecodedTreesShareNoLayerAndKeepEveryLevel) {
  auto root = CAShapeLayer::layer();
  root->setSpeed(2);
  auto wedge = CAShapeLayer::layer();
  auto path = UIBezierPath::bezierPathWithRect(CGRectMake(0, 0, 5, 5));
  wedge->path = path->CGPath();
  wedge->fillColor = rgb(1, 0, 0)->CGColor();
  wedge->setTransform(CATransform3DMakeScale(1, 0.75, 1));
  auto overlay = CAGradientLayer::layer();
  overlay->colors = {rgb(0, 0, 1)->CGColor()};
  overlay->mask = wedge;  // also a sublayer: one layer in the copy too
  root->addSublayer(wedge);
  root->addSublayer(overlay);

  const CALayerArchive archive(*root);
  root->setSpeed(3);
  wedge->fillColor = nullptr;
  const auto first = archive.decode();
  const auto second = archive.decode();

  for (const auto& copy : {first, second}) {
    ASSERT_NE(copy, root);
    EXPECT_EQ(copy->speed(), 2.0f) << "the tree as archived";
    ASSERT_EQ(copy->sublayers().size(), 2u);
    const auto* copiedWedge = dynamic_cast<CAShapeLayer*>(copy->sublayers()[0].get());
    const auto* copiedOverlay = dynamic_cast<CAGradientLayer*>(copy->sublayers()[1].get());
    ASSERT_NE(copiedWedge, nullptr);
    ASSERT_NE(copiedOverlay, nullptr);
    EXPECT_NE(copiedWedge, wedge.get());
    EXPECT_NE(copiedOverlay, overlay.get());
    EXPECT_EQ(copiedOverlay->mask.get(), copiedWedge);
    EXPECT_EQ(*copiedWedge->path, *wedge->path);
    EXPECT_TRUE(CGColorEqualToColor(copiedWedge->fillColor, rgb(1, 0, 0)->CGColor()));
    EXPECT_EQ(copiedWedge->transform(), CATransform3DMakeScale(1, 0.75, 1));
    EXPECT_EQ(copiedOverlay->colors.size(), 1u);
    EXPECT_EQ(copiedWedge->superlayer(), copy.get());
  }
  EXPECT_NE(first->sublayers()[0], second->sublayers()[0]);
  EXPECT_EQ(wedge->superlayer(), root.get()) << "the source tree is untouched";
  EXPECT_EQ(root->sublayers().size(), 2u);
}

TEST(LayerArchive, AMaskThatIsAnAncestorIsLeftOutOfTheCopy) {
  auto a = CALayer::layer();
  auto b = CALayer::layer();
  a->addSublayer(b);
  b->mask = a;
  const auto copy = CALayerArchive(*a).decode();
  ASSERT_EQ(copy->sublayers().size(), 1u);
  EXPECT_EQ(copy->sublayers()[0]->mask, nullptr);
  b->mask = nullptr;  // the source's two layers hold each other
}

TEST(Color, HueOutsideTheUnitRangeIsClamped) {
  const auto rgbOfHue = [](CGFloat h) { return UIColor::colorWithHue(h, 1, 1, 1)->rgba(); };
  EXPECT_EQ(rgbOfHue(1.2), rgbOfHue(1.0));
  EXPECT_EQ(rgbOfHue(1.0), (std::array<CGFloat, 4>{1, 0, 0, 1}));
  EXPECT_EQ(rgbOfHue(-0.3), rgbOfHue(0.0));
  EXPECT_EQ(UIColor::colorWithCGColor(nullptr), nullptr);
  EXPECT_TRUE(CGColorEqualToColor(UIColor::colorWithCGColor(rgb(0.2, 0.4, 0.6)->CGColor())->CGColor(),
                                  rgb(0.2, 0.4, 0.6)->CGColor()));
}

// A quarter wedge from the top, turning clockwise on screen, as a pie draws it.
CGPathRef quarterWedge(CGPoint c, CGFloat r) {
  auto path = UIBezierPath::bezierPath();
  const CGFloat start = 1.5 * std::numbers::pi;
  path->moveToPoint(c);
  path->addLineToPoint({c.x + r * std::cos(start), c.y + r * std::sin(start)});
  path->addArcWithCenter(c, r, start, start + std::numbers::pi / 2, true);
  path->addLineToPoint(c);
  return path->CGPath();
}

TEST(RenderLayers, AClockwiseArcFromTheTopCoversTheUpperRightQuarter) {
  auto page = makeView(CGRectMake(0, 0, 100, 100), UIColor::whiteColor());
  auto wedge = CAShapeLayer::layer();
  wedge->path = quarterWedge({50, 50}, 40);
  wedge->fillColor = rgb(1, 0, 0)->CGColor();
  page->layer()->addSublayer(wedge);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 70, 30, kRed));
  EXPECT_TRUE(pixelNear(*image, 30, 30, kWhite));
  EXPECT_TRUE(pixelNear(*image, 70, 70, kWhite));
}

TEST(RenderLayers, AScaleTransformSquashesTheLayerAboutItsAnchor) {
  auto page = makeView(CGRectMake(0, 0, 100, 100), UIColor::whiteColor());
  auto square = CALayer::layer();
  square->setFrame(CGRectMake(0, 0, 100, 100));
  square->backgroundColor = rgb(0, 0, 1)->CGColor();
  square->setTransform(CATransform3DMakeScale(1, 0.5, 1));
  page->layer()->addSublayer(square);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 50, 30, kBlue));
  EXPECT_TRUE(pixelNear(*image, 50, 10, kWhite));
  EXPECT_TRUE(pixelNear(*image, 50, 90, kWhite));
}

TEST(RenderLayers, AMaskThatIsAlsoASublayerClipsItsSiblingToTheWedge) {
  auto page = makeView(CGRectMake(0, 0, 100, 100), UIColor::whiteColor());
  auto series = CAShapeLayer::layer();
  auto wedge = CAShapeLayer::layer();
  wedge->path = quarterWedge({50, 50}, 40);
  wedge->fillColor = rgb(1, 0, 0)->CGColor();
  auto overlay = CALayer::layer();
  overlay->setFrame(CGRectMake(0, 0, 100, 100));
  overlay->backgroundColor = rgb(0, 0, 1)->CGColor();
  overlay->mask = wedge;
  series->addSublayer(wedge);
  series->addSublayer(overlay);
  page->layer()->addSublayer(series);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 70, 30, kBlue)) << "the overlay inside the wedge";
  EXPECT_TRUE(pixelNear(*image, 30, 70, kWhite)) << "nothing outside it";
}

}  // namespace
}  // namespace tarnavel
