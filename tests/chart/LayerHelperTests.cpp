// The steps the shape drawers share: the template copy, the automatic item colour, deep copies and the
// template's shadow.
#include <gtest/gtest.h>

#include <vector>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/internal/LayerHelpers.h"
#include "tarnavel/platform/geometry/UIBezierPath.h"

namespace tarnavel {
namespace {

std::shared_ptr<UIColor> rgb(double r, double g, double b) {
  return UIColor::colorWithRed(r, g, b, 1);
}

TEST(AutomaticHue, SpreadsItemsRoundTheCircleAndReversesOddSeries) {
  struct Case {
    std::size_t j, n;
    std::vector<float> hues;
  };
  const Case cases[] = {
      {0, 4, {0.05f, 0.25f, 0.5f, 0.75f}},
      {1, 4, {0.9f, 0.65f, 0.4f, 0.15f}},
      {3, 10, {0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f, 0.05f, 0.05f, 0.05f}},
      {2, 2, {0.2f, 0.7f}},
  };
  for (const Case& c : cases)
    for (std::size_t k = 0; k < c.hues.size(); ++k)
      EXPECT_NEAR(automaticHue(k, c.n, c.j), c.hues[k], 1e-6) << "series " << c.j << " item " << k;
  EXPECT_FLOAT_EQ(automaticHue(9, 10, 2), 1.1f) << "series 2 passes 1; the colour clamps it";
}

TEST(AutomaticItemColor, FillsWithTheHueOrTheItemsColourAndStoresTheFillBack) {
  ChartItem plain;
  CAShapeLayer plainLayer;
  automaticItemColor(plain, plainLayer, 1, 4, 0);
  EXPECT_TRUE(CGColorEqualToColor(plainLayer.fillColor, UIColor::colorWithHue(0.25, 1, 1, 1)->CGColor()));
  ASSERT_NE(plain.backgroundColor(), nullptr);
  EXPECT_TRUE(CGColorEqualToColor(plain.backgroundColor()->CGColor(), plainLayer.fillColor));

  ChartItem coloured;
  coloured.setBackgroundColor(rgb(0.1, 0.2, 0.3));
  CAShapeLayer colouredLayer;
  automaticItemColor(coloured, colouredLayer, 0, 4, 0);
  EXPECT_TRUE(CGColorEqualToColor(colouredLayer.fillColor, rgb(0.1, 0.2, 0.3)->CGColor()));

  // A second pass, as a second bind makes, with the item moved: the stored colour stays.
  CAShapeLayer again;
  automaticItemColor(plain, again, 3, 4, 1);
  EXPECT_TRUE(CGColorEqualToColor(again.fillColor, UIColor::colorWithHue(0.25, 1, 1, 1)->CGColor()));
}

TEST(ShapeTemplate, StyleReachesEveryCopyAndEachDrawerAddsItsOwn) {
  ChartSeries series;
  series.shape->lineDashPattern = {4, 2};
  series.shape->lineJoin = kCALineJoinRound;
  series.shape->opacity = 0.6f;
  series.shape->setShadowColor(rgb(0, 0, 0)->CGColor());
  series.shape->setTransform(CATransform3DMakeScale(2, 3, 4));
  series.shape->setZPosition(7);
  series.shape->addSublayer(CALayer::layer());
  series.shape->mask = CALayer::layer();
  series.shape->path = UIBezierPath::bezierPathWithRect(CGRectMake(0, 0, 1, 1))->CGPath();

  struct Case {
    ShapeTemplateUse use;
    std::shared_ptr<UIColor> stroke;  // where the template has none
    bool keepsShadow;
    CGFloat lineWidth;
  };
  const Case cases[] = {
      {ShapeTemplateUse::Pie, UIColor::grayColor(), false, 1},
      {ShapeTemplateUse::Cylinder, UIColor::grayColor(), false, 0.2},
      {ShapeTemplateUse::Line, UIColor::whiteColor(), true, 1},
      {ShapeTemplateUse::Area, nullptr, true, 1},
  };
  for (const Case& c : cases) {
    const auto layer = copyShapeTemplate(series, c.use);
    SCOPED_TRACE(static_cast<int>(c.use));
    EXPECT_EQ(layer->lineDashPattern, (std::vector<CGFloat>{4, 2}));
    EXPECT_EQ(layer->lineJoin, kCALineJoinRound);
    EXPECT_EQ(layer->opacity, 0.6f);
    EXPECT_EQ(layer->zPosition(), 7);
    EXPECT_EQ(layer->transform(), CATransform3DMakeScale(2, 3, 4)) << "the whole transform, z included";
    EXPECT_EQ(layer->lineWidth, c.lineWidth);
    EXPECT_TRUE(CGColorEqualToColor(layer->strokeColor, c.stroke ? c.stroke->CGColor() : nullptr));
    EXPECT_TRUE(CGColorEqualToColor(layer->shadowColor(), c.keepsShadow ? series.shape->shadowColor()
                                                                        : UIColor::clearColor()->CGColor()));
    EXPECT_TRUE(layer->sublayers().empty());
    EXPECT_EQ(layer->mask, nullptr);
    EXPECT_EQ(layer->path, nullptr);
  }

  series.shape->strokeColor = rgb(0, 1, 0)->CGColor();
  for (const Case& c : cases)
    EXPECT_TRUE(CGColorEqualToColor(copyShapeTemplate(series, c.use)->strokeColor, rgb(0, 1, 0)->CGColor()));
}

TEST(ShapeTemplate, AMissingTemplateGivesALayerThatShowsNothing) {
  ChartSeries series;
  series.shape = nullptr;
  const auto layer = copyShapeTemplate(series, ShapeTemplateUse::Area);
  EXPECT_EQ(layer->opacity, 0.0f);
  EXPECT_EQ(layer->speed(), 0.0f);
  EXPECT_EQ(layer->fillColor, nullptr);
  EXPECT_EQ(layer->transform().m11, 0);
  EXPECT_EQ(layer->transform().m44, 0);
  CALayer target;
  target.setShadowOpacity(1);
  applyTemplateShadow(series, target);
  EXPECT_EQ(target.shadowOpacity(), 0.0f);
  EXPECT_EQ(target.shadowColor(), nullptr);
}

}  // namespace
}  // namespace tarnavel
