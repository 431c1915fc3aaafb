// The Cairo drawing context, seen through the pixels of a layer that draws with it.
#include <gtest/gtest.h>

#include <cmath>

#include "RenderingTestSupport.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;

CGGradient redToBlue() {
  return {{{0, {1, 0, 0, 1}}, {1, {0, 0, 1, 1}}}};
}

TEST(DrawingContext, LinearGradientRunsFromItsFirstStopToItsLastAndHoldsTheEndStopsBeyond) {
  const auto full = drawn([](CGContext& context) {
    context.drawLinearGradient(redToBlue(), {0, 50}, {100, 50}, 0);
  });
  expectPixels(*full, {{0, 50, kRed, 6}, {99, 50, kBlue, 6}, {50, 10, opaque(128, 0, 127), 6}});
  const CGGradient inner{{{0.25, {1, 0, 0, 1}}, {0.75, {0, 0, 1, 1}}}};
  const auto held = drawn([&](CGContext& context) {
    context.drawLinearGradient(inner, {0, 0}, {100, 0}, 0);
  });
  expectPixels(*held, {{10, 50, kRed}, {90, 50, kBlue}});
}

TEST(DrawingContext, GradientOptionsExtendOnlyTheSidesAskedFor) {
  struct Case {
    CGGradientDrawingOptions options;
    RGBA8 before;
    RGBA8 after;
  };
  for (const Case& c :
       {Case{0, kWhite, kWhite}, Case{kCGGradientDrawsBeforeStartLocation, kRed, kWhite},
        Case{kCGGradientDrawsAfterEndLocation, kWhite, kBlue},
        Case{kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation, kRed, kBlue}}) {
    SCOPED_TRACE(c.options);
    const auto linear = drawn([&](CGContext& context) {
      context.drawLinearGradient(redToBlue(), {30, 0}, {70, 0}, c.options);
    });
    // Inside the range the gradient is painted.
    expectPixels(*linear, {{10, 50, c.before}, {90, 50, c.after}, {31, 50, kRed, 12}});
    // Between circles of radius 20 and 40: inside the first is before the start, outside the second after
    // the end.
    const auto radial = drawn([&](CGContext& context) {
      context.drawRadialGradient(redToBlue(), {50, 50}, 20, {50, 50}, 40, c.options);
    });
    expectPixels(*radial, {{50, 50, c.before}, {95, 50, c.after}, {50, 89, kBlue, 12}});
  }
}

TEST(DrawingContext, DegenerateGradientsDrawNothing) {
  const auto image = drawn([](CGContext& context) {
    context.drawLinearGradient(redToBlue(), {50, 50}, {50, 50}, 3);
    context.drawLinearGradient(CGGradient{}, {0, 0}, {100, 0}, 3);
    context.drawRadialGradient(redToBlue(), {50, 50}, 10, {50, 50}, 10, 3);
    context.drawRadialGradient(redToBlue(), {50, 50}, -5, {50, 50}, 10, 3);
  });
  EXPECT_TRUE(pixelNear(*image, 50, 50, kWhite));
}

TEST(DrawingContext, StrokeFollowsWidthCapAndDash) {
  CGPath line;
  line.moveTo({20, 50});
  line.lineTo({80, 50});
  CGStrokeStyle style;
  style.color = rgb(0, 0, 1)->CGColor();
  style.lineWidth = 10;
  style.lineCap = CGLineCap::Square;
  // A square cap reaches half the width past the end.
  const auto solid = drawn([&](CGContext& context) { context.strokePath(line, style); });
  expectPixels(*solid, {{50, 46, kBlue}, {50, 40, kWhite}, {17, 50, kBlue}});

  style.lineCap = CGLineCap::Butt;
  style.dashPattern = {10, 10};
  const auto dashed = drawn([&](CGContext& context) { context.strokePath(line, style); });
  expectPixels(*dashed, {{25, 50, kBlue}, {35, 50, kWhite}, {17, 50, kWhite}});

  // A dash that cannot be drawn strokes solid rather than breaking the context.
  for (const std::vector<CGFloat>& unusable : {std::vector<CGFloat>{0, 0}, std::vector<CGFloat>{5, -1}}) {
    style.dashPattern = unusable;
    const auto image = drawn([&](CGContext& context) {
      context.strokePath(line, style);
      context.fillPath(rectPath(CGRectMake(0, 0, 10, 10)), rgb(1, 0, 0)->CGColor());
    });
    expectPixels(*image, {{35, 50, kBlue}, {5, 5, kRed}});
  }
}

TEST(DrawingContext, AStrokeFarWiderThanThePageDrawsAsOneAsWideAsItsDiagonal) {
  CGPath zigzag;
  zigzag.moveTo({10, 50});
  for (int step = 1; step <= 40; ++step)
    zigzag.lineTo({10 + 2.0 * step, step % 2 ? 55.0 : 45.0});
  CGStrokeStyle style;
  style.color = rgb(0, 0, 1)->CGColor();
  style.lineCap = CGLineCap::Round;
  for (const CGLineJoin join : {CGLineJoin::Round, CGLineJoin::Miter}) {
    style.lineJoin = join;
    style.lineWidth = std::hypot(100, 100);
    const auto diagonal = drawn([&](CGContext& context) { context.strokePath(zigzag, style); });
    style.lineWidth = 1e12;
    const auto wide = drawn([&](CGContext& context) { context.strokePath(zigzag, style); });
    EXPECT_TRUE(pixelNear(*wide, 0, 0, kBlue));
    EXPECT_EQ(wide->pixels(), diagonal->pixels());
  }
}

TEST(DrawingContext, FarOffStepsAreCutToThePageOrLeftOutAndDrawingGoesOn) {
  const CGImage dot(4, 4, std::vector<std::uint32_t>(16, 0xFFFF0000u));
  CGPath disc;
  disc.addEllipseInRect(CGRectMake(-1e9, -1e9, 2e9, 2e9));
  const auto image = drawn([&](CGContext& context) {
    // A background far larger than the page still covers it.
    context.fillPath(rectPath(CGRectMake(-1e300, -1e300, 2e300, 2e300)), rgb(0, 1, 0)->CGColor());
    context.drawImage(dot, CGRectMake(0, 0, 1e300, 1e300));
    context.fillPath(disc, rgb(1, 0, 0)->CGColor());
    context.saveGState();
    context.concatCTM(CGAffineTransformMakeScale(1e200, 1e200));  // beyond what Cairo can invert
    context.fillPath(rectPath(CGRectMake(0, 0, 1, 1)), rgb(1, 0, 0)->CGColor());
    context.restoreGState();
    context.fillPath(rectPath(CGRectMake(0, 0, 50, 50)), rgb(0, 0, 1)->CGColor());
  });
  expectPixels(*image, {{75, 75, kGreen}, {25, 25, kBlue}});
}

TEST(DrawingContext, UnbalancedCallsAreAbsorbed) {
  // Each of these would put a Cairo context into a lasting error state; drawing after them still shows.
  const auto image = drawn([](CGContext& context) {
    context.restoreGState();
    context.endGroup(1);
    context.endGroupWithMask();
    context.beginGroup();
    context.saveGState();
    context.fillPath(rectPath(CGRectMake(0, 0, 50, 50)), rgb(1, 0, 0)->CGColor());
    context.endGroupWithMask();  // one group open: painted as it is, the open save closed with it
    context.restoreGState();
    context.saveGState();
    context.beginGroup();
    context.fillPath(rectPath(CGRectMake(50, 50, 50, 50)), rgb(0, 0, 1)->CGColor());
    // the group and the save are left open: the context paints and closes them when it ends
  });
  expectPixels(*image, {{25, 25, kRed}, {75, 75, kBlue}});
}

TEST(DrawingContext, CollapsingTransformOrNonFiniteInputHidesDrawingUntilRestored) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const auto image = drawn([&](CGContext& context) {
    context.saveGState();
    context.concatCTM(CGAffineTransformMakeScale(1, 0));
    context.fillPath(rectPath(CGRectMake(0, 0, 100, 100)), rgb(0, 0, 1)->CGColor());
    context.restoreGState();
    context.fillPath(rectPath(CGRectMake(0, 0, 50, 50)), rgb(1, 0, 0)->CGColor());
    CGPath path;
    path.moveTo({0, 0});
    path.lineTo({nan, 100});
    path.lineTo({100, 100});
    context.fillPath(path, rgb(0, 0, 1)->CGColor());
    context.concatCTM(CGAffineTransformMakeTranslation(nan, 0));
    context.fillPath(rectPath(CGRectMake(0, 0, 100, 100)), rgb(0, 0, 1)->CGColor());
  });
  expectPixels(*image, {{25, 25, kRed}, {75, 75, kWhite}, {50, 90, kWhite}});
}

}  // namespace
}  // namespace tarnavel
