#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/BoxDecorators.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartDrawers.h"
#include "tarnavel/chart/internal/LegendLayout.h"
#include "tarnavel/chart/internal/TitleAndPlotArea.h"
#include "tarnavel/chart/internal/ValueScan.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"

namespace tarnavel {

namespace {

// The chart's own single-tap recognizer, sending tappedChart: to the chart. A chart that is not owned by a
// shared pointer cannot be a target and gets none.
void installTapRecognizer(UIChart& chart) {
  const auto self = std::static_pointer_cast<UIChart>(chart.weak_from_this().lock());
  if (!self) return;
  auto recognizer = std::make_shared<UITapGestureRecognizer>(self, "tappedChart:", &UIChart::tappedChart);
  recognizer->numberOfTapsRequired = 1;
  bindRecordOf(chart).addGestureRecognizer(self, std::move(recognizer));
  chart.userInteractionEnabled = true;
}

// Takes away what the previous bind added, then the chart's own subviews, so that every bind starts from
// what the host left.
void clearChart(UIChart& chart) {
  bindRecordOf(chart).undo();
  chart.removeAllSubviews();
}

void bindSteps(UIChart& chart) {
  clearChart(chart);
  if (chart.series.empty()) return;
  drawChartBackground(chart);
  placeChartTitle(chart);
  framePlotArea(chart);
  scanValueRange(chart);
  runChartDrawer(chart);
  chart.addSubview(chart.plotArea);
  if (!chart.legends.empty()) drawLegends(chart);
  installTapRecognizer(chart);
}

}  // namespace

void UIChart::DataBind() {
  exceptions_.clear();
  const ExceptionRecordScope scope(exceptions_);
  runProtected([this] { bindSteps(*this); });
}

void UIChart::tappedChart(UITapGestureRecognizer&) {
  const ExceptionRecordScope scope(exceptions_);
  runProtected([this] {
    if (const auto listener = delegate()) listener->chartTapped(*this);
  });
}

}  // namespace tarnavel
