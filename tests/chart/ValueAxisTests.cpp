#include <cmath>

#include "PlotFixture.h"

namespace tarnavel {
namespace {

using ValueAxis = PlotFixture;

struct ScaleCase {
  CGFloat maxValue;
  int units;
  CGFloat rounded;
  std::size_t ticks;
  std::vector<std::string> labels;
};

TEST_F(ValueAxis, LabelsEveryUnitsCountthTickOfTheRoundedScale) {
  const ScaleCase cases[] = {
      {37, 4, 37.5, 16, {"0", "10", "20", "30"}},
      {0.37, 4, 15 * (0.1 / 4), 16, {"0", "0.10", "0.20", "0.30"}},
      {100, 4, 100, 5, {"0", "100"}},
      {12, 5, 12, 7, {"0", "10"}},
      // Just below 100 the decade is still 10.
      {99.99999, 4, 100, 41, {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.maxValue);
    chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 240));
    SetUp();
    chart->maxValue = c.maxValue;
    chart->yAxisScaleUnitsCount = c.units;
    const PlotGeometry plot = drawPlotFrame(*chart, PlotFrameOptions::bar());
    EXPECT_EQ(chart->maxValue, c.rounded);
    EXPECT_EQ(plot.maxValue, c.rounded);
    EXPECT_EQ(gridLines().size(), c.ticks);
    EXPECT_EQ(valueLabelTexts(), c.labels);
  }
}

TEST_F(ValueAxis, VerticalLabelsStandRightAlignedLeftOfTheirTicks) {
  chart->maxValue = 100;
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  const auto labels = valueLabels();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0]->frame(), CGRectMake(13, 125.5, 5, 8));  // "0" at the plot bottom
  EXPECT_EQ(labels[1]->frame(), CGRectMake(3, 25.5, 15, 8));   // "100" at its top
  EXPECT_EQ(labels[1]->textAlignment, NSTextAlignment::Right);
  EXPECT_EQ(labels[1]->textColor(), chart->yAxisLabelsTextColor);
  EXPECT_EQ(labels[1]->font(), chart->yAxisLabelsFont);
}

TEST_F(ValueAxis, HorizontalLabelsStandLeftAlignedOneLabelHeightBelowThePlot) {
  chart->maxValue = 100;
  chart->orientation = 1;
  const PlotGeometry plot = drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(plot.valueExtent, 200);
  EXPECT_EQ(plot.crossLength, 100);
  const auto labels = valueLabels();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0]->frame(), CGRectMake(17.5, 138, 5, 8));
  EXPECT_EQ(labels[1]->frame(), CGRectMake(212.5, 138, 15, 8));
  EXPECT_EQ(labels[0]->textAlignment, NSTextAlignment::Left);
  // Grid lines cross the plot, one point longer than it, from the value's place.
  EXPECT_EQ(lineStart(*gridLines()[1]), CGPointMake(50, 0));
  EXPECT_EQ(lineEnd(*gridLines()[1]), CGPointMake(50, 101));
}

TEST_F(ValueAxis, LabelledTicksReachOutFiveAndDrawATenthWider) {
  chart->maxValue = 100;
  for (const bool labelsHidden : {false, true}) {
    SCOPED_TRACE(labelsHidden);
    chart->plotArea = std::make_shared<UIView>(CGRectMake(20, 30, 200, 100));
    chart->yAxisLabelsHidden = labelsHidden;
    drawPlotFrame(*chart, PlotFrameOptions::bar());
    const auto lines = gridLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lineStart(*lines[0]), CGPointMake(-5, 100));
    EXPECT_EQ(lineEnd(*lines[0]), CGPointMake(200, 100));
    EXPECT_EQ(lines[0]->lineWidth, 0.2 + 0.1);
    EXPECT_EQ(lineStart(*lines[1]), CGPointMake(0, 75));
    EXPECT_EQ(lines[1]->lineWidth, 0.2);
    EXPECT_EQ(lines[1]->lineCap, kCALineCapButt);
    EXPECT_EQ(lines[1]->strokeColor->rgba(), chart->foregroundColor->rgba());
    EXPECT_EQ(lineStart(*lines[4]), CGPointMake(-5, 0));
  }
  EXPECT_EQ(valueLabels().size(), 2u) << "labels only from the pass with labels shown";

  chart->plotArea = std::make_shared<UIView>(CGRectMake(20, 30, 200, 100));
  chart->yAxisLabelsHidden = false;
  chart->yAxisLinesHidden = true;
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_TRUE(gridLines().empty());
  EXPECT_EQ(valueLabels().size(), 4u) << "hidden lines leave the labels";
}

TEST_F(ValueAxis, BothSignsSplitTheScaleAndLabelBothHalvesFromTheMiddle) {
  setRange(30, -10, true, false);
  const PlotGeometry plot = drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->maxValue, 30);
  EXPECT_EQ(chart->minValue, -30);
  EXPECT_EQ(plot.valueExtent, 50);
  EXPECT_EQ(plot.extentFactor, 2);
  EXPECT_EQ(valueLabelTexts(), (std::vector<std::string>{"0", "10", "20", "30", "0", "-10", "-20", "-30"}));
  const auto lines = gridLines();
  ASSERT_EQ(lines.size(), 26u);
  // The zero tick comes from both passes: two lines on the middle line.
  EXPECT_EQ(lineStart(*lines[0]), CGPointMake(-5, 50));
  EXPECT_EQ(lineStart(*lines[13]), CGPointMake(-5, 50));
  EXPECT_NEAR(lineStart(*lines[25]).y, 100, 1e-9);
}

TEST_F(ValueAxis, DownwardPassKeepsItsLastTickWhenTheRunningSumOvershoots) {
  chart->plotArea->setFrame(CGRectMake(20, 30, 200, 50));  // spacing 2.5 x 25 / 30
  setRange(30, -10, true, false);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(valueLabelTexts(), (std::vector<std::string>{"0", "10", "20", "30", "0", "-10", "-20", "-30"}));
  EXPECT_EQ(gridLines().size(), 26u);
  EXPECT_NEAR(valueLabels().back()->frame().origin.y, 30 + 50 - 0.5 - 4, 1e-9);
}

TEST_F(ValueAxis, NegativeDataHangFromThePlotTop) {
  setRange(42, -42, false, true);
  drawPlotFrame(*chart, PlotFrameOptions::bar());
  EXPECT_EQ(chart->maxValue, 42.5);
  EXPECT_EQ(valueLabelTexts(), (std::vector<std::string>{"0", "-10", "-20", "-30", "-40"}));
  EXPECT_EQ(valueLabels()[0]->frame().origin.y, 25.5);
  EXPECT_EQ(lineStart(*gridLines()[0]), CGPointMake(-5, 0));
}

TEST_F(ValueAxis, PieTakesOnlyTheRoundingAndTheSplit) {
  setRange(31.5, -3, true, false);
  const ValueScale scale = fitValueScale(*chart);
  EXPECT_EQ(scale.step, 2.5);
  EXPECT_EQ(chart->maxValue, 32.5);
  EXPECT_EQ(chart->minValue, -32.5);
  EXPECT_TRUE(valueLabels().empty());
  EXPECT_TRUE(gridLines().empty());
}

}  // namespace
}  // namespace tarnavel
