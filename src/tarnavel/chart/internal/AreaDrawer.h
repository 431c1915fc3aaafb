#pragma once

namespace tarnavel {

class UIChart;

/// The area chart (`stacked` false) and the stacked area chart: each series a band between the zero line
/// and the polyline through its data points, the last series drawn first, inside the plot frame. Each pair
/// of neighbouring items gets one plot-sized fill carrier masked by its band; each item view ends as a
/// 0.1 x 0.1 view at its data point, where its value title goes. Stacked, each series shows between its own
/// running sum and the next one below, and no band goes beyond the first series' items.
void drawChartType_area(UIChart& chart, bool stacked);

}  // namespace tarnavel
