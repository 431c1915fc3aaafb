#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChartTestSupport.h"
#include "ChartTreeSignature.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::makeChart;
using testing::makeSeries;
using testing::treeSignature;

constexpr NSUInteger kNoDrawer = 9;
constexpr CGFloat kNaN = std::numeric_limits<CGFloat>::quiet_NaN();
constexpr CGFloat kInf = std::numeric_limits<CGFloat>::infinity();

struct ScanCase {
  const char* name;
  std::initializer_list<std::initializer_list<CGFloat>> data;
  CGFloat hostMax, hostMin;
  CGFloat maxValue, minValue;
  bool positiveAndNegative, negativeOnly;
};

TEST(ChartValueScan, SetsTheRangeAndTheSharedFlagsBeforeAnyDrawer) {
  const ScanCase cases[] = {
      {"positive", {{10, 20, 30}}, kChartUnsetMaxValue, 0, 31.5, 0, false, false},
      {"negative only", {{-10, -40}}, kChartUnsetMaxValue, 0, 42, -42, false, true},
      {"both signs", {{-10, 5}}, kChartUnsetMaxValue, 0, 5.25, -10.5, true, false},
      {"every series counts", {{1, 2}, {30, -4}}, kChartUnsetMaxValue, 0, 31.5, -4.2, true, false},
      {"host maximum above the data stays", {{10, 30}}, 100, 0, 100, 0, false, false},
      {"host maximum below the data is raised", {{10, 30}}, 10, 0, 31.5, 0, false, false},
      {"host maximum of 0 is raised", {{30}}, 0, 0, 31.5, 0, false, false},
      {"no positive value drops the host maximum", {{0, 0}}, 50, 0, 0, 0, false, false},
      {"host minimum above the data is lowered", {{-20, 4}}, kChartUnsetMaxValue, 5, 4.2, -21, true, false},
      {"host minimum below the data stays", {{-20}}, kChartUnsetMaxValue, -50, 50, -50, false, true},
      {"no negative value drops the host minimum", {{3}}, kChartUnsetMaxValue, 5, 3.15, 0, false, false},
      {"values that are not finite count as 0",
       {{10, kNaN, kInf, -kInf, 20}},
       kChartUnsetMaxValue,
       0,
       21,
       0,
       false,
       false},
      {"a host range that is not finite counts as unset", {{-10, 30}}, kNaN, kInf, 31.5, -10.5, true, false},
  };
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto chart = makeChart(kNoDrawer, c.data);
    chart->maxValue = c.hostMax;
    chart->minValue = c.hostMin;
    chart->DataBind();
    EXPECT_DOUBLE_EQ(chart->maxValue, c.maxValue);
    EXPECT_DOUBLE_EQ(chart->minValue, c.minValue);
    EXPECT_EQ(positiveAndNegative, c.positiveAndNegative);
    EXPECT_EQ(negativeOnly, c.negativeOnly);
  }
}

TEST(ChartValueScan, ItemCountComesFromTheFirstSeriesAndFlagsFromTheChartBoundLast) {
  auto negative = makeChart(kNoDrawer, {{-10, -40}});
  negative->DataBind();
  EXPECT_TRUE(negativeOnly);

  auto positive = makeChart(kNoDrawer, {{1, 2, 3}, {1, 2, 3, 4, 5}});
  positive->DataBind();
  EXPECT_FALSE(negativeOnly);
  EXPECT_FALSE(positiveAndNegative);
  EXPECT_EQ(itemsCount, 3.0);

  auto empty = makeChart(kNoDrawer, {{}, {7}});
  empty->DataBind();
  EXPECT_EQ(itemsCount, 0.0);
  EXPECT_DOUBLE_EQ(empty->maxValue, 7.35);
}

class ChartLayoutTest : public ::testing::Test {
 protected:
  // Ten points a character, 20.5 points a line.
  ScopedTextMeasurer measurer{fixedTextMeasurer(10, 20.5)};
};

TEST_F(ChartLayoutTest, TitleIsSizedToItsTextOnlyWhileItHasItsMadeFrame) {
  auto chart = makeChart(kNoDrawer, {{1}});
  chart->chartTitle->setText("Sales");
  chart->DataBind();
  EXPECT_EQ(chart->chartTitle->frame(), CGRectMake(0, 0, 50, 20.5));

  auto kept = makeChart(kNoDrawer, {{1}});
  kept->chartTitle->setText("Sales");
  kept->chartTitle->setFrame(CGRectMake(0, 0, 222, 23));
  kept->DataBind();
  EXPECT_EQ(kept->chartTitle->frame(), CGRectMake(0, 0, 222, 23));
  ASSERT_FALSE(kept->subviews().empty());
  EXPECT_EQ(kept->subviews().front(), kept->chartTitle);

  auto untitled = makeChart(kNoDrawer, {{1}});
  untitled->DataBind();
  EXPECT_EQ(untitled->chartTitle->frame(), CGRectZero);
}

TEST_F(ChartLayoutTest, PlotAreaIsFramedBelowTheTitleOnlyWhileItsFrameIsEmpty) {
  auto chart = makeChart(kNoDrawer, {{1}});
  chart->chartTitle->setText("Sales");
  chart->DataBind();
  EXPECT_EQ(chart->plotArea->frame(), CGRectMake(20, 25.5, 268, 406.5));

  // A later bind keeps the frames the first one computed, even after the chart grew.
  chart->setFrame(CGRectMake(0, 0, 640, 480));
  chart->DataBind();
  EXPECT_EQ(chart->plotArea->frame(), CGRectMake(20, 25.5, 268, 406.5));

  auto hostFramed = makeChart(kNoDrawer, {{1}});
  hostFramed->plotArea->setFrame(CGRectMake(1, 2, 3, 4));
  hostFramed->DataBind();
  EXPECT_EQ(hostFramed->plotArea->frame(), CGRectMake(1, 2, 3, 4));
}

TEST_F(ChartLayoutTest, TypeWithoutDrawerStillAddsTitlePlotAreaAndRecognizer) {
  auto chart = makeChart(kNoDrawer, {{10, 20, 30}});
  chart->DataBind();
  ASSERT_EQ(chart->subviews().size(), 2u);
  EXPECT_EQ(chart->subviews()[0], chart->chartTitle);
  EXPECT_EQ(chart->subviews()[1], chart->plotArea);
  EXPECT_TRUE(chart->plotArea->subviews().empty());
  EXPECT_EQ(chart->gestureRecognizers().size(), 1u);
  EXPECT_TRUE(chart->userInteractionEnabled);
  EXPECT_EQ(chart->maxValue, 31.5) << "no drawer rounded the scale";
}

TEST(ChartBinding, EmptySeriesListLeavesNoSubviewsAndNoRecognizer) {
  auto chart = makeChart(kNoDrawer, {});
  chart->addSubview(std::make_shared<UIView>());
  chart->maxValue = 77;
  chart->DataBind();
  EXPECT_TRUE(chart->subviews().empty());
  EXPECT_TRUE(chart->gestureRecognizers().empty());
  EXPECT_EQ(chart->maxValue, 77) << "no value scan ran";
}

TEST(ChartBinding, NullEntryEndsTheBindWhereItIsRead) {
  for (int which = 0; which < 2; ++which) {
    auto chart = makeChart(kNoDrawer, {{10}});
    if (which == 0) chart->series.push_back(nullptr);
    if (which == 1) chart->series[0]->Items.push_back(nullptr);
    chart->DataBind();
    // The title was placed and the plot area framed; the scan failed, so nothing after it ran.
    ASSERT_EQ(chart->subviews().size(), 1u);
    EXPECT_EQ(chart->subviews()[0], chart->chartTitle);
    EXPECT_FALSE(CGRectIsEmpty(chart->plotArea->frame()));
    EXPECT_TRUE(chart->gestureRecognizers().empty());
  }
}

class TapCounter : public ChartDelegate {
 public:
  void chartTapped(UIChart& chart) override {
    ++taps;
    lastChart = &chart;
  }
  int taps = 0;
  UIChart* lastChart = nullptr;
};

TEST(ChartTap, ATapReachesTheDelegateOnceHoweverOftenTheChartWasBound) {
  auto chart = makeChart(kNoDrawer, {{10, 20}});
  auto delegate = std::make_shared<TapCounter>();
  chart->setDelegate(delegate);
  for (int bind = 0; bind < 3; ++bind)
    chart->DataBind();

  EXPECT_EQ(chart->gestureRecognizers().size(), 1u);
  // Inside the plot area, which has no recognizer of its own: the chart's recognizer takes the tap.
  EXPECT_EQ(tapAt(*chart, {100, 200}), 1);
  EXPECT_EQ(delegate->taps, 1);
  EXPECT_EQ(delegate->lastChart, chart.get());
}

TEST(ChartTap, ReleasedDelegateIsNotCalled) {
  auto chart = makeChart(kNoDrawer, {{10}});
  auto delegate = std::make_shared<TapCounter>();
  chart->setDelegate(delegate);
  chart->DataBind();
  delegate.reset();
  EXPECT_EQ(tapAt(*chart, {5, 5}), 1);
}

class RaisingDelegate : public ChartDelegate {
 public:
  explicit RaisingDelegate(bool platformFailure) : platformFailure_(platformFailure) {}
  void chartTapped(UIChart&) override {
    if (platformFailure_) raiseException(NSGenericException, "delegate failed");
    throw std::runtime_error("not a platform failure");
  }

 private:
  bool platformFailure_;
};

TEST(ChartTap, DelegatePlatformFailureEndsTheTapSilentlyOthersPassOn) {
  auto chart = makeChart(kNoDrawer, {{10}});
  chart->DataBind();
  auto raising = std::make_shared<RaisingDelegate>(true);
  chart->setDelegate(raising);
  EXPECT_NO_THROW(tapAt(*chart, {5, 5}));
  auto throwing = std::make_shared<RaisingDelegate>(false);
  chart->setDelegate(throwing);
  EXPECT_THROW(tapAt(*chart, {5, 5}), std::runtime_error);
}

TEST(ChartRebind, BoundTwiceLooksLikeBoundOnceAndKeepsWhatTheHostAdded) {
  auto makeDecorated = [] {
    auto chart = makeChart(1, {{10, -20, 30}, {5, 5, 5}});
    chart->chartTitle->setText("Title");
    chart->layoutStyle = 1;
    chart->plotArea->setFrame(CGRectMake(20, 30, 200, 100));
    chart->plotArea->addSubview(std::make_shared<UILabel>(CGRectMake(1, 1, 5, 5)));
    chart->plotArea->layer()->addSublayer(CALayer::layer());
    chart->layer()->addSublayer(CALayer::layer());
    return chart;
  };
  auto once = makeDecorated();
  once->DataBind();
  auto twice = makeDecorated();
  twice->DataBind();
  twice->DataBind();
  EXPECT_EQ(treeSignature(*twice), treeSignature(*once));
  EXPECT_EQ(twice->plotArea->subviews().front()->frame(), CGRectMake(1, 1, 5, 5));

  // The background overlay lies on the chart's layer once, over the layer the host put there.
  const auto& layers = twice->layer()->sublayers();
  ASSERT_GE(layers.size(), 2u);
  EXPECT_EQ(std::count_if(layers.begin(), layers.end(),
                          [](const auto& l) { return dynamic_cast<QnGradientLayer*>(l.get()) != nullptr; }),
            1);
  EXPECT_NE(dynamic_cast<QnGradientLayer*>(layers[1].get()), nullptr);
}

TEST(ChartRebind, RebindAfterTheStyleChangedFromImageToGradientShowsNoImage) {
  const auto paper = std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0xffeeeeee});
  UIImage::registerImage("paper", std::make_shared<UIImage>(paper));
  const auto hostImage = std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0xff000000});
  auto makeStyled = [&](NSUInteger style) {
    auto chart = makeChart(1, {{10, 20}});
    chart->layer()->contents = hostImage;
    for (auto* box : {static_cast<ChartStyle*>(chart.get()),
                      static_cast<ChartStyle*>(chart->series[0]->Items[0].get())}) {
      box->layoutStyle = style;
      box->backgroundImageName = "paper";
    }
    return chart;
  };
  auto restyled = makeStyled(ChartLayoutStyleImage);
  restyled->DataBind();
  ASSERT_EQ(restyled->layer()->contents.get(), paper.get());
  ASSERT_EQ(restyled->series[0]->Items[0]->layer()->contents.get(), paper.get());

  restyled->layoutStyle = ChartLayoutStyleGradient;
  restyled->series[0]->Items[0]->layoutStyle = ChartLayoutStyleGradient;
  restyled->DataBind();
  const auto once = makeStyled(ChartLayoutStyleGradient);
  once->DataBind();
  EXPECT_EQ(treeSignature(*restyled), treeSignature(*once));
  // The chart's layer shows what the host gave it again; the bar shows its gradient alone.
  EXPECT_EQ(restyled->layer()->contents.get(), hostImage.get());
  EXPECT_EQ(restyled->series[0]->Items[0]->layer()->contents, nullptr);
  UIImage::registerImage("paper", nullptr);
}

TEST(ChartRebind, RebindAfterTheDataChangedShowsOnlyTheNewData) {
  auto makeRevised = [] {
    auto chart = makeChart(1, {{40, 50}, {30, 20}});
    chart->plotArea->setFrame(CGRectMake(20, 30, 200, 100));
    chart->xAxisLinesHidden = false;
    return chart;
  };
  auto revised = makeChart(1, {{10, 20, 30}, {5, 5, 5}});
  revised->plotArea->setFrame(CGRectMake(20, 30, 200, 100));
  revised->xAxisLinesHidden = false;
  auto region = std::make_shared<markedRegion>();
  region->yTop = 10;
  revised->markedRegions.push_back(region);
  revised->DataBind();
  const auto dropped = revised->series[0]->Items[2];

  // The host replaces the data (dropping that item), removes the region and raises the values past the old
  // scale; the chart should then look like one that only ever saw the new data.
  revised->markedRegions.clear();
  revised->series = makeRevised()->series;
  const auto fresh = makeRevised();
  revised->DataBind();
  fresh->DataBind();
  EXPECT_EQ(treeSignature(*revised->plotArea), treeSignature(*fresh->plotArea));
  EXPECT_EQ(dropped->superview(), nullptr);
  EXPECT_EQ(region->superview(), nullptr);
}

TEST(ChartBinding, ChartHeldByNoSharedPointerBindsWithoutRecognizer) {
  UIChart chart(CGRectMake(0, 0, 320, 480));
  chart.series.push_back(makeSeries({10, 20}));
  chart.DataBind();
  EXPECT_EQ(chart.subviews().back(), chart.plotArea);
  EXPECT_EQ(chart.plotArea->subviews().size(), 4u) << "two bars and their value titles";
  EXPECT_TRUE(chart.gestureRecognizers().empty());
}

}  // namespace
}  // namespace tarnavel
