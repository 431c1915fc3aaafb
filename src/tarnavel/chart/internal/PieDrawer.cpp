#include "tarnavel/chart/internal/PieDrawer.h"

#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/LayerCopyBudget.h"
#include "tarnavel/chart/internal/PlotFrame.h"

namespace tarnavel {

void drawChartType_pie(UIChart& chart) {
  fitValueScale(chart);
  if (!chart.plotArea) return;
  placePieAxisTitles(chart);
  LayerCopyBudget copies;
  for (std::size_t s = 0; s < chart.series.size(); ++s)
    drawPieWedges(chart, s, copies);
  for (std::size_t j = 0; j < chart.series.size(); ++j)
    placePieTitles(chart, j);
}

}  // namespace tarnavel
