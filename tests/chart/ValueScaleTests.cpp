#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tarnavel/chart/ValueScale.h"

namespace tarnavel {
namespace {

struct ScaleCase {
  CGFloat maximum;
  int units;
  CGFloat rounded;
  CGFloat step;
};

TEST(ValueScale, RoundsUpToAMultipleOfTheSinglePrecisionStep) {
  const ScaleCase cases[] = {
      {37, 4, 37.5, 2.5},
      // 0.1 and 0.025 as floats, carried into double.
      {0.37, 4, 15 * static_cast<double>(0.1f / 4.0f), static_cast<double>(0.1f / 4.0f)},
      {100, 4, 100, 25},
      {12, 5, 12, 2},
      {31.5, 4, 32.5, 2.5},
      // Just below a power of ten the float rounds to it: the step of the next decade, not 2.5.
      {99.999999, 4, 100, 25},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.maximum);
    const ValueScale scale = roundValueScale(c.maximum, c.units);
    EXPECT_EQ(scale.maximum, c.rounded);
    EXPECT_EQ(scale.step, c.step);
  }
}

TEST(ValueScale, LeavesTheMaximumAloneWithoutAUsableStep) {
  const CGFloat inf = std::numeric_limits<CGFloat>::infinity();
  const ScaleCase cases[] = {{0, 4, 0, 0},    {-3, 4, -3, 0},   {37, 0, 37, 0},
                             {37, -4, 37, 0}, {inf, 4, inf, 0}, {1e-50, 4, 1e-50, 0}};
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.maximum << " / " << c.units);
    const ValueScale scale = roundValueScale(c.maximum, c.units);
    EXPECT_EQ(scale.maximum, c.rounded);
    EXPECT_FALSE(scale.hasStep());
  }
  EXPECT_FALSE(roundValueScale(std::nan(""), 4).hasStep());
}

TEST(ValueScale, SplitRaisesTheSmallerSide) {
  const ValueRange lowered = splitSymmetric({30, -10});
  EXPECT_EQ(lowered.maxValue, 30);
  EXPECT_EQ(lowered.minValue, -30);
  const ValueRange raised = splitSymmetric({10, -42});
  EXPECT_EQ(raised.maxValue, 42);
  EXPECT_EQ(raised.minValue, -42);
  const ValueRange even = splitSymmetric({5, -5});
  EXPECT_EQ(even.maxValue, 5);
  EXPECT_EQ(even.minValue, -5);
}

TEST(ValueScale, LabelTextsAreWholeNumbersOrTwoDecimals) {
  const CGFloat smallStep = 0.1f / 4.0f;
  EXPECT_EQ(valueLabelText(0, 2.5, false), "0");
  EXPECT_EQ(valueLabelText(4, 2.5, false), "10");
  EXPECT_EQ(valueLabelText(3, 2.5, false), "7.50");
  EXPECT_EQ(valueLabelText(4, smallStep, false), "0.10");
  EXPECT_EQ(valueLabelText(12, smallStep, false), "0.30");
  EXPECT_EQ(valueLabelText(0, 2.5, true), "0");
  EXPECT_EQ(valueLabelText(12, 2.5, true), "-30");
  EXPECT_EQ(valueLabelText(8, smallStep, true), "-0.20");
  // Whole values beyond the range of int print with decimals instead of overflowing the conversion.
  EXPECT_EQ(valueLabelText(3, 1e9, false), "3000000000.00");
}

TEST(ValueScale, TickPassesEndHalfASpacingBeyondTheAxis) {
  EXPECT_EQ(tickPositions(TickPass::Upward, 100, 0, 25), (std::vector<CGFloat>{100, 75, 50, 25, 0}));
  EXPECT_EQ(tickPositions(TickPass::Downward, 0, 100, 25), (std::vector<CGFloat>{0, 25, 50, 75, 100}));

  // A plot 50 high split at 25 for -30..30 in steps of 2.5: the running sum passes 50 by a hair at the
  // thirteenth tick (-30), which the half-step tolerance keeps, as the upward pass keeps its last tick.
  const CGFloat spacing = 2.5 * 25 / 30;
  const std::vector<CGFloat> down = tickPositions(TickPass::Downward, 25, 50, spacing);
  ASSERT_EQ(down.size(), 13u);
  EXPECT_GT(down.back(), 50);
  EXPECT_EQ(tickPositions(TickPass::Upward, 25, 0, spacing).size(), 13u);
}

TEST(ValueScale, TickPassesWithoutAUsableSpacingDrawNothing) {
  const CGFloat inf = std::numeric_limits<CGFloat>::infinity();
  for (const CGFloat spacing : {0.0, -1.0, inf, std::nan("")}) {
    EXPECT_TRUE(tickPositions(TickPass::Upward, 100, 0, spacing).empty()) << spacing;
    EXPECT_TRUE(tickPositions(TickPass::Downward, 100, 200, spacing).empty()) << spacing;
  }
  EXPECT_TRUE(tickPositions(TickPass::Upward, std::nan(""), 0, 1).empty());
  EXPECT_TRUE(tickPositions(TickPass::Downward, 1e20, 1e20, 1e-3).empty());  // a step below the resolution
  EXPECT_TRUE(tickPositions(TickPass::Upward, 1e6, 0, 1e-3).empty());        // far too many ticks
  EXPECT_EQ(tickPositions(TickPass::Upward, 9999, 0, 1).size(), kMaxTicksPerPass);
}

}  // namespace
}  // namespace tarnavel
