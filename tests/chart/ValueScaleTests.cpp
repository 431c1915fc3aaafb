#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tarnavel/chart/internal/ValueScale.h"

namespace tarnavel {
namespace {

struct ScaleCase {
  CGFloat maximum;
  int units;
  CGFloat rounded;
  CGFloat step;
};

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
