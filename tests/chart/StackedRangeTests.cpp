#include "PlotFixture.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {
namespace {

using StackedRange = PlotFixture;

TEST_F(StackedRange, FitsTheEndsToTheSumsOfEachSeriesExtremes) {
  addSeries({10, -4, 5});
  addSeries({6, -8});
  setRange(kChartUnsetMaxValue, 0, false, false);
  computeStackedRange(*chart);
  EXPECT_EQ(itemsCount, 3);
  EXPECT_DOUBLE_EQ(chart->maxValue, 16.8);
  EXPECT_DOUBLE_EQ(chart->minValue, -12.6);
  EXPECT_TRUE(positiveAndNegative);
  EXPECT_FALSE(negativeOnly);
}

TEST_F(StackedRange, NegativeDataMirrorTheMinimumAndSetTheFlag) {
  addSeries({-10, -2});
  addSeries({-5});
  setRange(50, 0, false, false);
  computeStackedRange(*chart);
  EXPECT_EQ(chart->minValue, -15.75);
  EXPECT_EQ(chart->maxValue, 15.75);
  EXPECT_TRUE(negativeOnly);
  EXPECT_FALSE(positiveAndNegative);
}

TEST_F(StackedRange, RunsBeforeTheFrameOfStackedDrawersOnly) {
  addSeries({10, 20});
  addSeries({30});
  setRange(21, 0, false, false);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->maxValue, 22.5);
  drawPlotFrame(*chart, PlotFrameOptions::barStacked());
  EXPECT_EQ(chart->maxValue, 52.5) << "the sum 50 and a twentieth, a multiple of the step 2.5";
}

TEST_F(StackedRange, NoSeriesRaisesARangeError) {
  EXPECT_THROW(computeStackedRange(*chart), NSException);
  EXPECT_THROW(drawPlotFrame(*chart, PlotFrameOptions::area(true)), NSException);
}

}  // namespace
}  // namespace tarnavel
