#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/chart/LegendArea.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/chart/UIChart.h"

namespace tarnavel {
namespace {

using RGBA = std::array<CGFloat, 4>;

RGBA rgbaOf(const std::shared_ptr<UIColor>& color) {
  return color ? color->rgba() : RGBA{-1, -1, -1, -1};
}

// A styled box made one way or the other, seen as its view and its style group.
struct StyledBoxSample {
  std::shared_ptr<UIView> view;
  ChartStyle* style;
};

template <class Box>
StyledBoxSample makeBox(bool fromCoder) {
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 30, 40);
  coder.backgroundColor = UIColor::blackColor();
  auto box = fromCoder ? std::make_shared<Box>(coder) : std::make_shared<Box>();
  return {box, box.get()};
}

struct BoxDefaults {
  const char* name;
  std::function<StyledBoxSample(bool)> make;
  NSUInteger layoutStyle;
  NSUInteger gradientStyle;
  NSUInteger gradientDirection;
  RGBA top;
  RGBA bottomExtra;
};

class StyledBoxDefaultsTest : public ::testing::TestWithParam<std::tuple<BoxDefaults, bool>> {};

TEST_P(StyledBoxDefaultsTest, EachBoxHasItsOwnFillDefaultsAndTheSharedRest) {
  const auto& [expected, fromCoder] = GetParam();
  const StyledBoxSample box = expected.make(fromCoder);
  const ChartStyle& style = *box.style;

  EXPECT_EQ(style.layoutStyle, expected.layoutStyle);
  EXPECT_EQ(style.gradientStyle, expected.gradientStyle);
  EXPECT_EQ(style.gradientDirection, expected.gradientDirection);
  EXPECT_EQ(rgbaOf(style.gradientColorTop), expected.top);
  EXPECT_EQ(rgbaOf(style.gradientColorBottomExtra), expected.bottomExtra);

  EXPECT_EQ(style.foregroundColor, UIColor::whiteColor());
  EXPECT_EQ(style.gradientColorTopExtra, UIColor::clearColor());
  EXPECT_EQ(style.gradientColorBottom, UIColor::clearColor());
  EXPECT_EQ(style.gradientRadius, 155.0);
  ASSERT_EQ(style.gradientLocations.size(), 4u);
  std::string stops;
  for (const Value& stop : style.gradientLocations)
    stops += stop.description() + " ";
  EXPECT_EQ(stops, "0 0.5 0.5 1 ");
  EXPECT_EQ(style.gradientLocations[0].numberKind(), Value::NumberKind::Integer);
  EXPECT_EQ(style.gradientLocations[1].numberKind(), Value::NumberKind::Double);
  EXPECT_EQ(style.backgroundImageName, std::optional<std::string>(""));

  // The box view: whatever a coder decoded, no background colour and no border.
  EXPECT_EQ(box.view->backgroundColor(), nullptr);
  EXPECT_EQ(box.view->layer()->borderColor, nullptr);
  EXPECT_EQ(box.view->layer()->borderWidth, 0.0);
  EXPECT_EQ(box.view->frame(), fromCoder ? CGRectMake(1, 2, 30, 40) : CGRectZero);
}

const RGBA kRed{0.8, 0.18, 0.18, 0.2};
const RGBA kBlue{0.1, 0.1, 0.8, 0.5};
const RGBA kRegionRed{0.9, 0.01, 0.01, 0.2};

INSTANTIATE_TEST_SUITE_P(
    FourBoxes, StyledBoxDefaultsTest,
    ::testing::Combine(
        ::testing::Values(BoxDefaults{"chart", makeBox<UIChart>, 0, 1, 0, kRed, kBlue},
                          BoxDefaults{"item", makeBox<ChartItem>, kChartItemUnset, 0, 2, kRed, kBlue},
                          BoxDefaults{"region", makeBox<markedRegion>, 1, 0, 2, kRegionRed, kRegionRed},
                          BoxDefaults{"zone", makeBox<legendArea>, 1, 0, 2, kRed, kBlue}),
        ::testing::Bool()),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) +
             (std::get<1>(info.param) ? "FromCoder" : "FromFrame");
    });

TEST(ChartModel, ChartDefaultsThatBindingReliesOn) {
  NSCoder coder;
  coder.frame = CGRectMake(0, 0, 320, 480);
  for (const auto& chart : {std::make_shared<UIChart>(), std::make_shared<UIChart>(coder)}) {
    EXPECT_EQ(chart->chartTitle->frame(), CGRectMake(0, 0, 222, 22));
    EXPECT_EQ(chart->plotArea->frame(), CGRectZero);
    EXPECT_EQ(chart->chartType, 1u);
    EXPECT_EQ(chart->maxValue, kChartUnsetMaxValue);
    EXPECT_EQ(chart->itemBreadth, 0.5);
    EXPECT_EQ(chart->yAxisScaleUnitsCount, 4);
    EXPECT_TRUE(chart->xAxisLabelsHidden && chart->xAxisLinesHidden && !chart->yAxisLabelsHidden);
    EXPECT_EQ(chart->legendZone->Title->frame(), CGRectMake(0, 0, 200, 20));
  }
}

TEST(ChartModel, ItemStartsUnsetAndEachModelObjectHasItsOwnParts) {
  const ChartItem item;
  EXPECT_EQ(item.layoutStyle, static_cast<NSUInteger>(-1));
  EXPECT_EQ(item.titleVerticalLocation, kChartItemUnset);
  EXPECT_EQ(item.titleHorizontalLocation, kChartItemUnset);
  EXPECT_EQ(item.Title->frame(), CGRectMake(0, 0, 200, 20));
  EXPECT_NE(ChartItem().Title, item.Title);

  const ChartSeries series;
  EXPECT_EQ(series.backgroundColor(), UIColor::clearColor());
  EXPECT_NE(series.shape, nullptr);
  EXPECT_NE(ChartSeries().shape, series.shape);
  EXPECT_TRUE(isChartPieCenterUnset(series.pieCenter));

  const legend entry;
  EXPECT_EQ(entry.legendLabel->textColor(), UIColor::whiteColor());
  EXPECT_EQ(entry.legendLabel->font()->pointSize(), 7.0);
  EXPECT_EQ(entry.backgroundColor(), nullptr);

  const markedRegion region;
  EXPECT_EQ(region.Title->frame(), CGRectZero);
  EXPECT_TRUE(isChartRegionXUnset(region.xStart, region.xEnd));
}

TEST(ChartMarkers, RegionAndPieCentreCountAsUnsetOnlyWhenBothPrintAsTheMarker) {
  struct Case {
    CGFloat a, b;
    bool regionUnset;
  };
  for (const Case& c :
       {Case{-1.01, -1.01, true}, Case{-1.012, -1.012, true}, Case{-1.006, -1.008, true},
        Case{-1.01, 3, false}, Case{3, -1.01, false}, Case{-1.0, -1.0, false}, Case{-1.02, -1.01, false}}) {
    EXPECT_EQ(isChartRegionXUnset(c.a, c.b), c.regionUnset) << c.a << ", " << c.b;
  }
  EXPECT_TRUE(isChartPieCenterUnset({-111.11, -111.11}));
  EXPECT_TRUE(isChartPieCenterUnset({-111.109, -111.111}));
  EXPECT_FALSE(isChartPieCenterUnset({-111.11, 0}));
  EXPECT_FALSE(isChartPieCenterUnset({0, -111.11}));
}

TEST(ChartMarkers, AnyNegativeMaximumIsUnset) {
  EXPECT_TRUE(isChartMaxValueUnset(kChartUnsetMaxValue));
  EXPECT_TRUE(isChartMaxValueUnset(-0.001));
  EXPECT_TRUE(isChartMaxValueUnset(-500));
  EXPECT_FALSE(isChartMaxValueUnset(0));
  EXPECT_FALSE(isChartMaxValueUnset(31.5));
}

class CountingDelegate : public ChartDelegate {
 public:
  void chartTapped(UIChart&) override { ++taps; }
  int taps = 0;
};

TEST(ChartModel, ChartHoldsItsDelegateWeakly) {
  UIChart chart;
  auto delegate = std::make_shared<CountingDelegate>();
  chart.setDelegate(delegate);
  EXPECT_EQ(chart.delegate(), delegate);
  EXPECT_EQ(delegate.use_count(), 1);
  delegate.reset();
  EXPECT_EQ(chart.delegate(), nullptr);
}

TEST(QnGradientLayer, ExportsItsPropertyNamesInOrder) {
  const std::string names = std::string(QnGradientLayerProperties[0]) + "," + QnGradientLayerProperties[1] +
                            "," + QnGradientLayerProperties[2] + "," + QnGradientLayerProperties[3] + "," +
                            QnGradientLayerProperties[4];
  EXPECT_EQ(names, "gradientDirection,gradientRadius,colors,locations,gradientStyle");
}

}  // namespace
}  // namespace tarnavel
