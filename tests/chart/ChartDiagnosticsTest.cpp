#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "tarnavel/chart/ChartDelegate.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::makeChart;

TEST(ChartDiagnostics, ABindThatEndsEarlyKeepsItsReasonUntilABindCompletes) {
  auto chart = makeChart(ChartTypeBar, {{10, 20}});
  chart->series[0]->Items.push_back(nullptr);
  chart->DataBind();
  ASSERT_TRUE(chart->lastSwallowedException());
  EXPECT_FALSE(chart->lastSwallowedException()->reason().empty());

  chart->series[0]->Items.pop_back();
  chart->DataBind();
  EXPECT_FALSE(chart->lastSwallowedException());
}

TEST(ChartDiagnostics, ATapWhoseDelegateFailsKeepsTheDelegatesReason) {
  struct Failing : ChartDelegate {
    void chartTapped(UIChart&) override { raiseException(NSGenericException, "host failure"); }
  };
  auto chart = makeChart(ChartTypeBar, {{10, 20}});
  const auto failing = std::make_shared<Failing>();
  chart->setDelegate(failing);
  chart->DataBind();
  ASSERT_FALSE(chart->lastSwallowedException());
  tapAt(*chart, CGPointMake(5, 5));
  ASSERT_TRUE(chart->lastSwallowedException());
  EXPECT_EQ(chart->lastSwallowedException()->reason(), "host failure");
}

}  // namespace
}  // namespace tarnavel
