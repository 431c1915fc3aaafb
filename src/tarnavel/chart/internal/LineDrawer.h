#pragma once

namespace tarnavel {

class UIChart;

/// The line chart, or with `pointsOnly` the points-only chart, inside the plot frame. First every item's
/// data point, written into its frame as (x, y, 0.1, 0.1), and (for lines) one segment per pair of
/// neighbouring items of a series, styled by the series' shape template; then per item its value title,
/// the category grid line (first series), its category label and its point marker centred on the point.
/// The item views themselves are not added anywhere.
void drawChartType_line(UIChart& chart, bool pointsOnly);

inline void drawLineChart(UIChart& chart) {
  drawChartType_line(chart, false);
}
inline void drawPointsOnlyChart(UIChart& chart) {
  drawChartType_line(chart, true);
}

}  // namespace tarnavel
