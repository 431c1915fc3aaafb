#include <gtest/gtest.h>

#include <vector>

#include "ChartTreeSignature.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/internal/AreaGeometry.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {
namespace {

// A plot of value extent 100 with slots 20 wide; item 1's span starts at the slot centre 30, 5 across.
AreaPlot areaPlot(NSUInteger orientation, bool stacked, bool bothSigns, bool negativeOnly) {
  PlotGeometry frame;
  frame.orientation = orientation;
  frame.valueExtent = 100;
  frame.halfSlot = 10;
  frame.slot = 20;
  return {frame, 5, stacked, bothSigns, negativeOnly};
}

TEST(AreaGeometry, SpanReadBackByTheViewEndsAtTheValue) {
  struct Case {
    const char* name;
    NSUInteger orientation;
    bool stacked, bothSigns, negativeOnly;
    CGFloat length, base;
    CGRect span;
    CGPoint point;
  };
  const NSUInteger V = ChartOrientationVertical, H = ChartOrientationHorizontal;
  const std::vector<Case> cases{
      {"up from the bottom", V, false, false, false, 20, 0, {{30, 80}, {5, 20}}, {30, 80}},
      {"down from the middle", V, false, true, false, -20, 0, {{30, 100}, {5, 20}}, {30, 120}},
      {"hanging from the top", V, false, false, true, -20, 0, {{30, 0}, {5, 20}}, {30, 20}},
      {"stacked up to the sum", V, true, false, false, 30, 50, {{30, 50}, {5, 30}}, {30, 50}},
      {"stacked down to the sum", V, true, true, false, -20, -30, {{30, 110}, {5, 20}}, {30, 130}},
      {"stacked hanging to the sum", V, true, false, true, -20, -30, {{30, 10}, {5, 20}}, {30, 30}},
      {"right from the left edge", H, false, false, false, 20, 0, {{0, 30}, {20, 5}}, {20, 30}},
      {"left from the middle", H, false, true, false, -20, 0, {{80, 30}, {20, 5}}, {80, 30}},
      {"left from the right edge", H, false, false, true, -20, 0, {{80, 30}, {20, 5}}, {80, 30}},
      {"stacked right to the sum", H, true, false, false, 30, 50, {{20, 30}, {30, 5}}, {50, 30}},
      {"stacked left to the sum", H, true, true, false, -20, -30, {{70, 30}, {20, 5}}, {70, 30}},
  };
  for (const Case& c : cases) {
    const AreaPlot plot = areaPlot(c.orientation, c.stacked, c.bothSigns, c.negativeOnly);
    const auto span = areaSpanRect(plot, 1, c.length, c.base);
    ASSERT_TRUE(span) << c.name;
    UIView item;
    item.setFrame(*span);
    EXPECT_EQ(testing::rectText(item.frame()), testing::rectText(c.span)) << c.name;
    EXPECT_EQ(areaDataPoint(item.frame(), c.orientation, c.length), c.point) << c.name;
  }
  EXPECT_FALSE(areaSpanRect(areaPlot(2, false, false, false), 1, 20, 0));
}

}  // namespace
}  // namespace tarnavel
