#include "PlotFixture.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/QnGradientLayer.h"

namespace tarnavel {
namespace {

class MarkedRegions : public PlotFixture {
 protected:
  void SetUp() override {
    PlotFixture::SetUp();
    setRange(100, 0, false, false);  // one point per value on the 100-high plot
  }

  std::shared_ptr<markedRegion> addRegion(CGFloat yBottom, CGFloat yTop, CGFloat xStart = kChartUnsetRegionX,
                                          CGFloat xEnd = kChartUnsetRegionX) {
    auto region = std::make_shared<markedRegion>();
    region->yBottom = yBottom;
    region->yTop = yTop;
    region->xStart = xStart;
    region->xEnd = xEnd;
    chart->markedRegions.push_back(region);
    return region;
  }

  bool inPlot(const std::shared_ptr<markedRegion>& region) const {
    return region->superview() == chart->plotArea.get();
  }
};

TEST_F(MarkedRegions, UnsetRangeSpansEveryItemAndIsWrittenBack) {
  const auto region = addRegion(10, 20);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(region->xStart, 0);
  EXPECT_EQ(region->xEnd, 3);
  EXPECT_EQ(region->frame(), CGRectMake(0, 80, 200, 10));
  EXPECT_TRUE(inPlot(region));
  ASSERT_FALSE(region->layer()->sublayers().empty());
  EXPECT_NE(std::dynamic_pointer_cast<QnGradientLayer>(region->layer()->sublayers()[0]), nullptr);
  EXPECT_EQ(region->subviews().back(), region->Title);
}

TEST_F(MarkedRegions, EmptyOrReversedRegionsAreSkippedUntouched) {
  const auto flat = addRegion(20, 20);
  const auto reversed = addRegion(10, 20, 3, 1);
  const auto upsideDown = addRegion(30, 20, 0, 1);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  for (const auto& region : {flat, reversed, upsideDown}) {
    EXPECT_FALSE(inPlot(region));
    EXPECT_EQ(region->frame(), CGRectZero);
    EXPECT_TRUE(region->layer()->sublayers().empty());
  }
  EXPECT_EQ(flat->xStart, kChartUnsetRegionX);
  EXPECT_EQ(reversed->xStart, 3);
}

TEST_F(MarkedRegions, BoundsAreClampedIntoThePlotAndWrittenBack) {
  const auto wide = addRegion(-5, 150, -2, 9);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(wide->xStart, 0);
  EXPECT_EQ(wide->xEnd, 3);
  EXPECT_EQ(wide->yBottom, 0);
  EXPECT_EQ(wide->yTop, 100);
  EXPECT_EQ(wide->frame(), CGRectMake(0, 0, 200, 100));
}

TEST_F(MarkedRegions, NegativeChartsClampToZeroFromAboveAndStillPlaceTheRegion) {
  setRange(100, -100, false, true);
  const auto above = addRegion(10, 20, 1, 1);
  const auto below = addRegion(-30, -10, 1, 2);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(above->yBottom, 0);
  EXPECT_EQ(above->yTop, 0);
  EXPECT_EQ(above->frame(), CGRectMake(50, 0, 50, 0));
  EXPECT_TRUE(inPlot(above));
  // Hanging from the top: -10 lies 10 below it.
  EXPECT_EQ(below->frame(), CGRectMake(50, 10, 100, 20));
}

TEST_F(MarkedRegions, BothSignsClampTheBottomToTheMinimum) {
  setRange(100, -40, true, false);
  const auto region = addRegion(-300, 20, 0, 0);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->minValue, -100);
  EXPECT_EQ(region->yBottom, -100);
  // 0.5 points per value on a half extent of 50: from 20 down to -100.
  EXPECT_EQ(region->frame(), CGRectMake(0, 40, 50, 60));
}

TEST_F(MarkedRegions, HorizontalRegionsRunAlongTheWidth) {
  chart->orientation = 1;
  const auto region = addRegion(10, 20, 1, 2);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(region->frame(), CGRectMake(20, 25, 20, 50));  // two points per value, 25-high slots

  setRange(100, -100, true, false);
  chart->plotArea = std::make_shared<UIView>(CGRectMake(20, 30, 200, 100));
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(region->frame(), CGRectMake(100 + 10, 25, 10, 50));  // from the middle
}

// The frame is read back through the bounds and the centre, which keep every bit of the frame that was set.
TEST_F(MarkedRegions, ValuesScaleByTheTickSpacingThenDivideByTheStep) {
  // 37 rounds to 37.5 with the step 2.5: the spacing is 2.5 x 100 / 37.5 (vertical) or 2.5 x 200 / 37.5.
  setRange(37, 0, false, false);
  const auto region = addRegion(0, 10);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(region->bounds().size, CGSizeMake(200, 26.666666666666668));
  EXPECT_EQ(region->center(), CGPointMake(100, 73.333333333333343 + 0.5 * 26.666666666666668));

  chart->orientation = 1;
  chart->plotArea = std::make_shared<UIView>(CGRectMake(20, 30, 200, 100));
  setRange(37, 0, false, false);
  region->yBottom = 10;
  region->yTop = 20;
  region->xStart = region->xEnd = 0;
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(region->bounds().size, CGSizeMake(53.333333333333336, 25));
  EXPECT_EQ(region->center(), CGPointMake(53.333333333333336 + 0.5 * 53.333333333333336, 12.5));
}

TEST_F(MarkedRegions, OtherOrientationsSetNoFrameButStillDecorateAndAdd) {
  chart->orientation = 5;
  const auto region = addRegion(10, 20);
  region->setFrame(CGRectMake(1, 2, 3, 4));
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(region->frame(), CGRectMake(1, 2, 3, 4));
  EXPECT_TRUE(inPlot(region));
  EXPECT_FALSE(region->layer()->sublayers().empty());
}

}  // namespace
}  // namespace tarnavel
