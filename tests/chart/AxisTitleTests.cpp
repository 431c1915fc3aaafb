#include <numbers>

#include "PlotFixture.h"

namespace tarnavel {
namespace {

using AxisTitles = PlotFixture;

const CGAffineTransform kQuarterTurn = CGAffineTransformMakeRotation(90 * std::numbers::pi / 180);

bool isChild(const UIView& parent, const std::shared_ptr<UILabel>& label) {
  return label->superview() == &parent;
}

struct TitleCase {
  NSUInteger orientation;
  NSUInteger location;
  bool negativeData;
  CGPoint yTitleOrigin;
  CGPoint xTitleOrigin;
};

// Title texts measure 25 x 8; the plot is (20, 30, 200, 100) and the title band 20. The frames are compared
// through the titles' bounds and centres, which a rotation leaves as they were.
TEST_F(AxisTitles, PlaceByOrientationAndLocation) {
  const TitleCase cases[] = {
      {0, 0, false, {2, 28}, {20, 120}},    {0, 1, false, {2, 66}, {107.5, 120}},
      {0, 2, false, {2, 112}, {195, 120}},  {0, 7, false, {2, 20}, {20, 120}},
      {0, 2, true, {2, 112}, {195, 12}},    {1, 0, false, {195, 220}, {2, 112}},
      {1, 1, false, {107.5, 220}, {2, 66}}, {1, 2, false, {20, 220}, {2, 28}},
      {1, 2, true, {20, 12}, {2, 28}},
  };
  for (const TitleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << ", location " << c.location);
    chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 240));
    SetUp();
    setRange(100, c.negativeData ? -100 : 0, false, c.negativeData);
    chart->orientation = c.orientation;
    chart->yAxisTitleLabel->setText("Value");
    chart->xAxisTitleLabel->setText("Month");
    chart->yAxisTitleVerticalLocation = c.location;
    chart->xAxisTitleHorizontalLocation = c.location;
    drawPlotFrame(*chart, PlotFrameOptions::bar());
    for (const auto& [title, origin] : {std::pair{chart->yAxisTitleLabel, c.yTitleOrigin},
                                        std::pair{chart->xAxisTitleLabel, c.xTitleOrigin}}) {
      EXPECT_EQ(title->bounds().size, CGSizeMake(25, 8));
      EXPECT_EQ(title->center(), CGPointMake(origin.x + 12.5, origin.y + 4));
      EXPECT_TRUE(isChild(*chart, title));
    }
    EXPECT_EQ(chart->yAxisTitleLabel->transform(), kQuarterTurn);
    EXPECT_EQ(chart->xAxisTitleLabel->transform(), CGAffineTransformIdentity);
  }
}

TEST_F(AxisTitles, CategoryTitleShiftsAddToItsPlace) {
  chart->xAxisTitleLabel->setText("Month");
  chart->xAxisTitleXshift = 3;
  chart->xAxisTitleYshift = -4;
  chart->xAxisTitleLabelRotationAngle = 180;
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->xAxisTitleLabel->center(), CGPointMake(195 + 3 + 12.5, 120 - 4 + 4));
  EXPECT_EQ(chart->xAxisTitleLabel->transform(), CGAffineTransformMakeRotation(std::numbers::pi));
}

TEST_F(AxisTitles, EmptyTextIsLeftOutWhileNoTextIsPlacedAtSizeZero) {
  chart->yAxisTitleLabel->setText("");
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_FALSE(isChild(*chart, chart->yAxisTitleLabel));
  EXPECT_EQ(chart->yAxisTitleLabel->frame(), CGRectZero);
  EXPECT_EQ(chart->yAxisTitleLabel->transform(), CGAffineTransformIdentity);

  ASSERT_FALSE(chart->xAxisTitleLabel->text().has_value());
  EXPECT_TRUE(isChild(*chart, chart->xAxisTitleLabel));
  EXPECT_EQ(chart->xAxisTitleLabel->frame(), CGRectMake(220, 120, 0, 0));
}

TEST_F(AxisTitles, HostFrameIsKeptButTheTitleIsStillAddedAndRotated) {
  chart->yAxisTitleLabel->setText("Value");
  chart->yAxisTitleLabel->setFrame(CGRectMake(5, 5, 50, 10));
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->yAxisTitleLabel->bounds().size, CGSizeMake(50, 10));
  EXPECT_EQ(chart->yAxisTitleLabel->center(), CGPointMake(30, 10));
  EXPECT_EQ(chart->yAxisTitleLabel->transform(), kQuarterTurn);
  EXPECT_TRUE(isChild(*chart, chart->yAxisTitleLabel));

  // A second frame pass leaves the rotated title where it is.
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->yAxisTitleLabel->center(), CGPointMake(30, 10));
}

TEST_F(AxisTitles, OtherOrientationsSetNoFrameButStillAddAndRotate) {
  chart->orientation = 2;
  chart->yAxisTitleLabel->setText("Value");
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->yAxisTitleLabel->bounds().size, CGSizeMake(0, 0));
  EXPECT_TRUE(isChild(*chart, chart->yAxisTitleLabel));
  EXPECT_EQ(chart->yAxisTitleLabel->transform(), kQuarterTurn);
}

}  // namespace
}  // namespace tarnavel
