#pragma once

namespace tarnavel {

class UIChart;

/// Runs the drawer that the chart's `chartType` selects, as its own protected region: a failure inside
/// ends that drawer only. A type without a drawer draws no data.
void runChartDrawer(UIChart& chart);

}  // namespace tarnavel
