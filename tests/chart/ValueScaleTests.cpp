#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

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
  const ScaleCase cases[] = {{0, 4, 0, 0}, {-3, 4, -3, 0}, {37, 0, 37, 0}, {37, -4, 37, 0}, {inf, 4, inf, 0}};
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.maximum << " / " << c.units);
    const ValueScale scale = roundValueScale(c.maximum, c.units);
    EXPECT_EQ(scale.maximum, c.rounded);
    EXPECT_FALSE(scale.hasStep());
  }
  EXPECT_FALSE(roundValueScale(std::nan(""), 4).hasStep());
}

TEST(ValueScale, LabelTextsAreWholeNumbersOrTwoDecimals) {
  const CGFloat smallStep = 0.1 / 4;
  EXPECT_EQ(valueLabelText(0, 2.5, false), "0");
  EXPECT_EQ(valueLabelText(4, 2.5, false), "10");
  EXPECT_EQ(valueLabelText(3, 2.5, false), "7.50");
  EXPECT_EQ(valueLabelText(4, smallStep, false), "0.10");
  EXPECT_EQ(valueLabelText(12, smallStep, false), "0.30");
  EXPECT_EQ(valueLabelText(0, 2.5, true), "0");
  EXPECT_EQ(valueLabelText(12, 2.5, true), "-30");
  EXPECT_EQ(valueLabelText(8, smallStep, true), "-0.20");
  // A product that misses a whole value by its last bit is that whole value.
  EXPECT_EQ(valueLabelText(15, 100.0 / 3, false), "500");
  EXPECT_EQ(valueLabelText(7, 100.0 / 7, true), "-100");
  // Whole values print as integers up to the 64-bit range, with decimals beyond it.
  EXPECT_EQ(valueLabelText(3, 1e9, false), "3000000000");
  EXPECT_EQ(valueLabelText(1, 1e19, false), "10000000000000000000.00");
  EXPECT_EQ(valueLabelText(1, 0x1p63, false), "9223372036854775808.00") << "2^63 does not fit";
}

TEST(ValueScale, TickPassesWithoutAUsableSpacingDrawNothing) {
  const CGFloat inf = std::numeric_limits<CGFloat>::infinity();
  for (const CGFloat spacing : {0.0, -1.0, inf, std::nan("")}) {
    EXPECT_TRUE(passTicks(TickPass::Upward, 100, 0, spacing, 4).empty()) << spacing;
    EXPECT_TRUE(passTicks(TickPass::Downward, 100, 200, spacing, 4).empty()) << spacing;
  }
  EXPECT_TRUE(passTicks(TickPass::Upward, std::nan(""), 0, 1, 4).empty());
  EXPECT_TRUE(passTicks(TickPass::Upward, 1e300, 0, 1e-300, 4).empty());
}

std::vector<long long> indicesOf(const std::vector<AxisTick>& ticks) {
  std::vector<long long> indices;
  for (const AxisTick& t : ticks)
    indices.push_back(t.index);
  return indices;
}

TEST(ValueScale, TickPassesBeyondTheCapKeepTheLabelledTicks) {
  EXPECT_EQ(passTicks(TickPass::Upward, 9999, 0, 1, 4).size(), kMaxTicksPerPass);
  const auto thinned = passTicks(TickPass::Upward, 10000, 0, 1, 4);
  EXPECT_EQ(thinned.size(), 2501u);
  EXPECT_EQ(thinned[1].index, 4);
  EXPECT_EQ(thinned[1].pos, 9996);
  EXPECT_EQ(indicesOf(passTicks(TickPass::Downward, 0, 3e6, 1, 1000000)),
            (std::vector<long long>{0, 1000000, 2000000, 3000000}));
  // When even the labelled ticks are too many, none are drawn.
  EXPECT_TRUE(passTicks(TickPass::Upward, 1e6, 0, 1e-3, 4).empty());
  EXPECT_TRUE(passTicks(TickPass::Upward, 20000, 0, 1, 1).empty());
}

}  // namespace
}  // namespace tarnavel
