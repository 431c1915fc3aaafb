#include "tarnavel/chart/internal/ChartDrawers.h"

#include <array>

#include "tarnavel/chart/internal/BarDrawers.h"
#include "tarnavel/chart/internal/LineDrawer.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

using ChartDrawer = void (*)(UIChart&);

// By chart type: pie, bar, stacked bar, line, area, stacked area, points only, cylinder, stacked cylinder.
// A type whose drawer is not part of the library yet draws no data.
constexpr std::array<ChartDrawer, 9> kDrawers{
    nullptr, drawChartType_bar, drawChartType_barStacked, drawLineChart,
    nullptr, nullptr,           drawPointsOnlyChart,      nullptr,
    nullptr};

}  // namespace

void runChartDrawer(UIChart& chart) {
  if (chart.chartType >= kDrawers.size()) return;
  const ChartDrawer drawer = kDrawers[chart.chartType];
  if (drawer) runProtected([&] { drawer(chart); });
}

}  // namespace tarnavel
