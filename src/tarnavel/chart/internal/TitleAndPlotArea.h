#pragma once

namespace tarnavel {

class UIChart;

/// Sizes the chart title to its text at (0, 0) while it still has exactly its made frame (0, 0, 222, 22),
/// then adds it to the chart whatever its frame.
void placeChartTitle(UIChart& chart);

/// Gives the plot area, while its frame is empty, the frame below the title: x 20, y 5 below the title,
/// width W - 20 - W/10 and height H - 5 - title height - H/10 for a chart of W x H. The plot area is not
/// added to the chart here: the drawer fills it first.
void framePlotArea(UIChart& chart);

}  // namespace tarnavel
