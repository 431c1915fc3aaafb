#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tarnavel/chart/internal/HatchGeometry.h"

namespace tarnavel {
namespace {

struct HatchCase {
  CGSize box;
  CGFloat step;
  std::vector<HatchSegment> lines;
};

TEST(HatchGeometry, RunsParallelToTheRisingDiagonalInDrawingOrder) {
  const CGFloat d = 50.0 / 7.0;  // 10 x 7 box, step 5
  const HatchCase cases[] = {
      {{10, 10}, 5, {{{0, 0}, {0, 0}}, {{0, 5}, {5, 0}}, {{0, 10}, {10, 0}}, {{5, 10}, {10, 5}}}},
      {{20, 10}, 5, {{{0, 0}, {0, 0}}, {{0, 5}, {10, 0}}, {{0, 10}, {20, 0}}, {{10, 10}, {20, 5}}}},
      // A height that is not a multiple of the step keeps the running ends: a steep last line.
      {{10, 7}, 5, {{{0, 0}, {0, 0}}, {{0, 5}, {d, 0}}, {{d, 7}, {d, 3}}}},
  };
  for (const HatchCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.box.width << " x " << c.box.height);
    const std::vector<HatchSegment> lines = hatchSegments(c.box, c.step);
    ASSERT_EQ(lines.size(), c.lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_NEAR(lines[i].from.x, c.lines[i].from.x, 1e-12);
      EXPECT_NEAR(lines[i].from.y, c.lines[i].from.y, 1e-12);
      EXPECT_NEAR(lines[i].to.x, c.lines[i].to.x, 1e-12);
      EXPECT_NEAR(lines[i].to.y, c.lines[i].to.y, 1e-12);
    }
  }
}

TEST(HatchGeometry, StepsThatCannotAdvanceOrBoxesWithoutHeightDrawNothing) {
  const CGFloat inf = std::numeric_limits<CGFloat>::infinity();
  for (const CGFloat step : {0.0, -5.0, inf, -inf, std::nan(""), 1e-9}) {
    EXPECT_TRUE(hatchSegments({10, 10}, step).empty()) << step;
  }
  EXPECT_TRUE(hatchSegments({10, 0}, 5).empty());
  EXPECT_TRUE(hatchSegments({10, -10}, 5).empty());
  EXPECT_TRUE(hatchSegments({inf, 10}, 5).empty());
  EXPECT_TRUE(hatchSegments({1e308, 1}, 2).empty());  // the step across overflows
  // Up to kMaxHatchLines passes are drawn, and not one more.
  EXPECT_FALSE(hatchSegments({1, kMaxHatchLines / 2.0}, 1).empty());
  EXPECT_TRUE(hatchSegments({1, kMaxHatchLines / 2.0 + 0.5}, 1).empty());
}

}  // namespace
}  // namespace tarnavel
