#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {
namespace {

TEST(Geometry, NegativeFrameReadsBackStandardised) {
  auto view = std::make_shared<UIView>(CGRectMake(50, 40, -30, -10));
  EXPECT_EQ(view->frame(), CGRectMake(20, 30, 30, 10));
  view->setFrame(CGRectMake(0, 100, 12.5, -25));
  EXPECT_EQ(view->frame(), CGRectMake(0, 75, 12.5, 25));
  EXPECT_EQ(view->bounds().size, CGSizeMake(12.5, 25));
}

TEST(Geometry, AnUntransformedFrameReadsBackExactly) {
  // A corner difference would lose the last bit: 73.333333333333343 + 26.666666666666668 - 73.33...
  const CGRect frame = CGRectMake(0, 73.333333333333343, 200, 26.666666666666668);
  auto view = std::make_shared<UIView>(frame);
  EXPECT_EQ(view->frame().size, frame.size);
  EXPECT_EQ(view->frame().origin, frame.origin);
}

TEST(Geometry, EmptyRectangles) {
  EXPECT_TRUE(CGRectIsEmpty(CGRectZero));
  EXPECT_TRUE(CGRectIsEmpty(CGRectMake(5, 5, 0, 10)));
  EXPECT_TRUE(CGRectIsEmpty(CGRectMake(5, 5, 10, 0)));
  EXPECT_FALSE(CGRectIsEmpty(CGRectMake(0, 0, -1, 1)));
  EXPECT_FALSE(CGRectIsEmpty(CGRectMake(0, 0, 222, 22)));
}

TEST(Geometry, NonFiniteGeometryIsRefusedAndLeavesTheViewUnchanged) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  auto view = std::make_shared<UIView>(CGRectMake(1, 2, 3, 4));
  EXPECT_THROW(view->setFrame(CGRectMake(nan, 0, 10, 10)), NSException);
  EXPECT_THROW(view->setFrame(CGRectMake(0, 0, inf, 10)), NSException);
  EXPECT_THROW(view->setBounds(CGRectMake(0, 0, 10, nan)), NSException);
  EXPECT_THROW(view->setCenter(CGPointMake(nan, 1)), NSException);
  EXPECT_THROW(view->layer()->setPosition(CGPointMake(1, -inf)), NSException);
  EXPECT_EQ(view->frame(), CGRectMake(1, 2, 3, 4));
  try {
    view->setFrame(CGRectMake(nan, nan, nan, nan));
  } catch (const NSException& e) {
    EXPECT_EQ(e.name(), CALayerInvalidGeometry);
  }
}

TEST(Geometry, ScaleAboutTheCentreGivesTheScaledFrame) {
  // A control scaled into a cell: after the transform and the centre, the frame is the scaled box there.
  auto view = std::make_shared<UIView>(CGRectMake(0, 0, 100, 40));
  view->setTransform(CGAffineTransformMakeScale(0.5, 0.25));
  view->setCenter(CGPointMake(35, 10));
  EXPECT_EQ(view->frame(), CGRectMake(10, 5, 50, 10));
  EXPECT_EQ(view->bounds(), CGRectMake(0, 0, 100, 40));
}

TEST(Geometry, QuarterRotationSwapsTheFrameSides) {
  auto label = std::make_shared<UIView>(CGRectMake(0, 0, 40, 10));
  label->setTransform(CGAffineTransformMakeRotation(90 * std::numbers::pi / 180));
  const CGRect frame = label->frame();
  EXPECT_NEAR(frame.origin.x, 15, 1e-9);
  EXPECT_NEAR(frame.origin.y, -15, 1e-9);
  EXPECT_NEAR(frame.size.width, 10, 1e-9);
  EXPECT_NEAR(frame.size.height, 40, 1e-9);
}

TEST(Geometry, LayerScaleTransformKeepsTheAffinePart) {
  const CATransform3D squash = CATransform3DMakeScale(1.0, 0.75, 1.0);
  EXPECT_EQ(CATransform3DGetAffineTransform(squash), CGAffineTransformMakeScale(1.0, 0.75));
  auto layer = CALayer::layer();
  layer->setFrame(CGRectMake(0, 0, 100, 100));
  layer->setTransform(squash);
  EXPECT_EQ(layer->frame(), CGRectMake(0, 12.5, 100, 75));
}

TEST(Geometry, AffineInverseRoundTrips) {
  const CGAffineTransform t =
      CGAffineTransformConcat(CGAffineTransformMakeRotation(0.3), CGAffineTransformMakeTranslation(5, -7));
  const CGPoint p = CGPointApplyAffineTransform(CGPointMake(3, 4), t);
  const CGPoint back = CGPointApplyAffineTransform(p, CGAffineTransformInvert(t));
  EXPECT_NEAR(back.x, 3, 1e-12);
  EXPECT_NEAR(back.y, 4, 1e-12);
  EXPECT_EQ(CGAffineTransformInvert(CGAffineTransformMakeScale(0, 1)), CGAffineTransformIdentity);
}

}  // namespace
}  // namespace tarnavel
