#include <cmath>
#include <limits>

#include "PlotFixture.h"
#include "tarnavel/chart/ChartMarkers.h"

namespace tarnavel {
namespace {

class CategoryLabels : public PlotFixture {
 protected:
  void SetUp() override {
    PlotFixture::SetUp();
    setRange(100, 0, false, false);
  }

  PlotGeometry frameAndLabel(PlotFrameOptions options = PlotFrameOptions::bar()) {
    const PlotGeometry plot = drawPlotFrame(*chart, options);
    drawCategoryLabels(*chart, plot, options);
    return plot;
  }
};

TEST_F(CategoryLabels, DefaultOrderNumbersLabelItemsWithoutText) {
  const auto series = addSeries({1, 2, 3, 4});
  series->Items[2]->xAxisLabel->setText("Q3");
  chart->xAxisLabelsHidden = false;
  chart->xAxisLabelsShowDefaultOrderNumbers = true;
  frameAndLabel();
  std::vector<std::string> texts;
  for (const auto& item : series->Items)
    texts.push_back(item->xAxisLabel->text().value_or("(null)"));
  EXPECT_EQ(texts, (std::vector<std::string>{"1", "2", "Q3", "4"}));
  const auto& first = series->Items[0]->xAxisLabel;
  EXPECT_EQ(first->frame(), CGRectMake(42.5, 130, 5, 8));  // centred under slot 0, on the plot's lower edge
  EXPECT_EQ(first->textAlignment, NSTextAlignment::Right);
  EXPECT_EQ(first->superview(), chart.get());
  EXPECT_EQ(series->Items[2]->xAxisLabel->frame(), CGRectMake(20 + 125 - 5, 130, 10, 8));
}

TEST_F(CategoryLabels, CylinderLabelsKeepFurtherOffThePlotOnEverySide) {
  struct Case {
    NSUInteger orientation;
    bool negativeData;
    CGFloat offset;
    CGPoint origin;
  };
  // Item 1's label "2": under slot 1 (centre 75 of 200), or beside slot 1 (centre 37.5 of 100).
  for (const Case& c :
       {Case{0, false, 3, {92.5, 133}}, Case{1, false, 0, {13, 63.5}}, Case{1, true, 0, {222, 63.5}},
        Case{1, false, 3, {10, 63.5}}, Case{1, true, 3, {225, 63.5}}}) {
    SCOPED_TRACE(testing::Message() << c.orientation << " " << c.negativeData << " " << c.offset);
    chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 240));
    PlotFixture::SetUp();
    setRange(100, c.negativeData ? -100 : 0, false, c.negativeData);
    chart->orientation = c.orientation;
    chart->xAxisLabelsHidden = false;
    chart->xAxisLabelsShowDefaultOrderNumbers = true;
    const auto series = addSeries({1, 2, 3, 4});
    PlotFrameOptions options = PlotFrameOptions::cylinder(false);
    options.categoryLabelOffset = c.offset;
    frameAndLabel(options);
    EXPECT_EQ(series->Items[1]->xAxisLabel->frame(), (CGRect{c.origin, {5, 8}}));
  }
}

TEST_F(CategoryLabels, GridLinesFollowTheFirstSeriesOnly) {
  addSeries({1, 2, 3, 4});
  addSeries({5, 6, 7, 8, 9});
  chart->xAxisLinesHidden = false;
  chart->yAxisLinesHidden = true;
  frameAndLabel();
  const auto lines = gridLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lineStart(*lines[1]), CGPointMake(75, 0));
  EXPECT_EQ(lineEnd(*lines[1]), CGPointMake(75, 100));
  EXPECT_EQ(lines[1]->lineWidth, 0.2);
}

struct BarTitleCase {
  NSUInteger orientation;
  NSUInteger horizontal;
  NSUInteger vertical;
  CGFloat value;
  bool bothSigns;
  CGPoint origin;
};

// The item's frame is (10, 40, 20, 60); its title "12" measures 10 x 8; the plot is 100 high.
TEST_F(CategoryLabels, BarTitlesSitAtTheValueEndOfTheirBar) {
  const BarTitleCase cases[] = {
      {0, 0, 0, 12, false, {10, 32}},  {0, 1, 0, 12, false, {15, 32}},   {0, 2, 0, 12, false, {20, 32}},
      {0, 0, 1, 12, false, {10, 66}},  {0, 0, 2, 12, false, {10, 100}},  {0, 0, 2, 12, true, {10, 50}},
      {0, 0, 2, -12, true, {10, 42}},  {0, 0, 0, -12, false, {10, 100}}, {0, 0, 7, -12, false, {10, 32}},
      {1, 0, 2, 12, false, {10, 100}}, {1, 2, 0, 12, false, {20, 32}},   {1, 0, 0, -12, false, {20, 32}},
      {1, 2, 0, -12, false, {10, 32}}, {1, 1, 1, 12, false, {15, 66}},   {2, 2, 2, 12, false, {10, 32}},
      {2, 1, 1, 12, false, {15, 32}},
  };
  for (const BarTitleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "o" << c.orientation << " h" << c.horizontal << " v" << c.vertical
                                    << " " << c.value << (c.bothSigns ? " both" : ""));
    auto item = std::make_shared<ChartItem>(CGRectMake(10, 40, 20, 60));
    item->value = c.value;
    item->Title->setText("12");
    item->titleHorizontalLocation = c.horizontal;
    item->titleVerticalLocation = c.vertical;
    PlotGeometry plot;
    plot.orientation = c.orientation;
    plot.plotHeight = 100;
    positiveAndNegative = c.bothSigns;
    drawCategoryLabelsOfItem(*chart, plot, PlotFrameOptions::bar(), 1, 0, *item);
    EXPECT_EQ(item->Title->frame(), (CGRect{c.origin, {10, 8}}));
    EXPECT_EQ(item->Title->superview(), chart->plotArea.get());
  }
}

TEST_F(CategoryLabels, TitleShiftsTurnRoundForNegativeValues) {
  auto item = std::make_shared<ChartItem>(CGRectMake(10, 40, 20, 60));
  item->Title->setText("12");
  item->titleHorizontalLocation = item->titleVerticalLocation = 1;
  item->titleXshift = 3;
  item->titleYshift = 2;
  const PlotGeometry plot;
  item->value = 5;
  drawCategoryLabelsOfItem(*chart, plot, PlotFrameOptions::bar(), 1, 0, *item);
  EXPECT_EQ(item->Title->frame().origin, CGPointMake(18, 68));
  item->value = -5;
  drawCategoryLabelsOfItem(*chart, plot, PlotFrameOptions::bar(), 1, 0, *item);
  EXPECT_EQ(item->Title->frame().origin, CGPointMake(18, 64));
}

TEST_F(CategoryLabels, ValuesThatAreNotFinitePlaceTheirTitleAsZeroDoes) {
  // A value that is not finite is drawn as 0: its title sits above the bar's end, its shift unturned.
  for (const CGFloat value : {-std::numeric_limits<CGFloat>::infinity(), std::nan("")}) {
    SCOPED_TRACE(value);
    auto item = std::make_shared<ChartItem>(CGRectMake(10, 40, 20, 0));
    item->value = value;
    item->Title->setText("12");
    item->titleHorizontalLocation = item->titleVerticalLocation = 0;
    item->titleYshift = 2;
    drawCategoryLabelsOfItem(*chart, PlotGeometry{}, PlotFrameOptions::bar(), 1, 0, *item);
    EXPECT_EQ(item->Title->frame().origin, CGPointMake(10, 40 - 8 + 2));
  }
}

struct PointTitleCase {
  ValueTitleRule rule;
  CGFloat pointWidth;
  NSUInteger horizontal;
  NSUInteger vertical;
  CGPoint origin;
};

// A data point at (50, 40) carried as the frame (50, 40, 0.1, 0.1); the title "12" measures 10 x 8.
TEST_F(CategoryLabels, PointAndAreaTitlesSurroundTheDataPoint) {
  const PointTitleCase cases[] = {
      {ValueTitleRule::Point, 6, 0, 0, {37, 29}},      {ValueTitleRule::Point, 6, 2, 2, {53, 43}},
      {ValueTitleRule::Point, -1, 0, 0, {40, 32}},     {ValueTitleRule::Point, 6, 1, 1, {45.05, 36.05}},
      {ValueTitleRule::Point, 6, 9, 9, {50, 29}},      {ValueTitleRule::Area, 6, 0, 0, {40, 32}},
      {ValueTitleRule::Area, 6, 1, 1, {45.05, 36.05}}, {ValueTitleRule::Area, 6, 2, 2, {50, 40}},
  };
  for (const PointTitleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.rule == ValueTitleRule::Point ? "point " : "area ") << c.pointWidth
                                    << " h" << c.horizontal << " v" << c.vertical);
    auto item = std::make_shared<ChartItem>(CGRectMake(50, 40, 0.1, 0.1));
    item->Title->setText("12");
    item->pointWidth = c.pointWidth;
    item->titleHorizontalLocation = c.horizontal;
    item->titleVerticalLocation = c.vertical;
    PlotFrameOptions options = PlotFrameOptions::line();
    options.valueTitleRule = c.rule;
    drawCategoryLabelsOfItem(*chart, PlotGeometry{}, options, 1, 0, *item);
    EXPECT_NEAR(item->Title->frame().origin.x, c.origin.x, 1e-9);
    EXPECT_NEAR(item->Title->frame().origin.y, c.origin.y, 1e-9);
  }
}

}  // namespace
}  // namespace tarnavel
