// Each model class keeps its plain settings in a struct whose initialisers are the documented defaults.
// A new object, made from a frame or decoded from an archive, must hold exactly those: nothing that runs
// while it is made may change them behind the header's back.
#include <gtest/gtest.h>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/chart/LegendArea.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/UIChart.h"

namespace tarnavel {
namespace {

NSCoder archiveWithViewSettings() {
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 30, 40);
  coder.backgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
  coder.hidden = true;
  coder.tag = 7;
  return coder;
}

template <class Model, class Settings>
void expectHeaderDefaults() {
  const Model fromFrame(CGRectMake(0, 0, 10, 10));
  EXPECT_TRUE(static_cast<const Settings&>(fromFrame) == Settings{})
      << typeid(Model).name() << " from a frame";
  const Model decoded(archiveWithViewSettings());
  EXPECT_TRUE(static_cast<const Settings&>(decoded) == Settings{}) << typeid(Model).name() << " decoded";
}

TEST(ModelDefaults, EveryChartModelClassStartsFromItsHeaderDefaults) {
  expectHeaderDefaults<UIChart, UIChartSettings>();
  expectHeaderDefaults<ChartSeries, ChartSeriesSettings>();
  expectHeaderDefaults<ChartItem, ChartItemSettings>();
  expectHeaderDefaults<legend, legendSettings>();
  expectHeaderDefaults<legendArea, legendAreaSettings>();
  expectHeaderDefaults<markedRegion, markedRegionSettings>();
}

TEST(ModelDefaults, TheStyleDefaultsSharedByEveryBoxAreTheStyleInitialisers) {
  const ChartStyle shared;
  const auto expectShared = [&](const ChartStyle& box, const char* what) {
    EXPECT_EQ(box.gradientRadius, shared.gradientRadius) << what;
    EXPECT_EQ(box.gradientLocations, shared.gradientLocations) << what;
    EXPECT_EQ(box.hatchLineStepHeight, shared.hatchLineStepHeight) << what;
    EXPECT_EQ(box.hatchLineWidth, shared.hatchLineWidth) << what;
    EXPECT_EQ(box.backgroundImageName, shared.backgroundImageName) << what;
  };
  expectShared(UIChart(CGRectZero), "chart");
  expectShared(ChartItem(CGRectZero), "item");
  expectShared(legendArea(CGRectZero), "legend zone");
  expectShared(markedRegion(CGRectZero), "marked region");
}

}  // namespace
}  // namespace tarnavel
