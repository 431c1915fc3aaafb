#include "tarnavel/chart/internal/ChartDrawers.h"

#include <array>

#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/AreaDrawer.h"
#include "tarnavel/chart/internal/BarDrawers.h"
#include "tarnavel/chart/internal/CylinderDrawer.h"
#include "tarnavel/chart/internal/LineDrawer.h"
#include "tarnavel/chart/internal/PieDrawer.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

using ChartDrawer = void (*)(UIChart&);

void drawArea(UIChart& chart) {
  drawChartType_area(chart, false);
}
void drawAreaStacked(UIChart& chart) {
  drawChartType_area(chart, true);
}
void drawCylinder(UIChart& chart) {
  drawChartType_cylinder(chart, false);
}
void drawCylinderStacked(UIChart& chart) {
  drawChartType_cylinder(chart, true);
}

// By chart type: pie, bar, stacked bar, line, area, stacked area, points only, cylinder, stacked cylinder.
// A type whose drawer is not part of the library yet draws no data.
constexpr std::array<ChartDrawer, 9> kDrawers{
    drawChartType_pie,   drawChartType_bar, drawChartType_barStacked,
    drawLineChart,       drawArea,          drawAreaStacked,
    drawPointsOnlyChart, drawCylinder,      drawCylinderStacked};

}  // namespace

void runChartDrawer(UIChart& chart) {
  if (chart.chartType >= kDrawers.size()) return;
  const ChartDrawer drawer = kDrawers[chart.chartType];
  if (drawer) runProtected([&] { drawer(chart); });
}

}  // namespace tarnavel
