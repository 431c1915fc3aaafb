#pragma once

namespace tarnavel {

class UIChart;

/// The cylinder chart (`stacked` false: the series' cylinders side by side in each category slot) and the
/// stacked cylinder chart (one stack per item index), inside the plot frame. Each item is a top oval in the
/// item's colour (an automatic hue when it has none, written back) with its fill overlay, in a container
/// layer, over a body of copies of that container half a point apart; the item view's frame carries the
/// cylinder's rectangle for its value title. An item of a later series beyond the items of series 0 ends
/// the drawer there.
void drawChartType_cylinder(UIChart& chart, bool stacked);

}  // namespace tarnavel
