#pragma once

#include <cstddef>

namespace tarnavel {

class LayerCopyBudget;
class UIChart;

/// The pie chart: every series a pie, later series rings inside series 0 around its centre. Each item is a
/// wedge swept by its share of the series' positive total, filled with its colour (an automatic hue when it
/// has none) and its fill overlay; series 0 may be a squashed 3D disc on a wall of copies. Item titles sit
/// around their wedges; the axis titles beside and under the plot. The value scale is fitted and stored
/// back, though nothing in the pie shows it.
void drawChartType_pie(UIChart& chart);

// The drawer's passes, in the order it runs them.

/// The value-axis title down the left edge and the category-axis title under the plot.
void placePieAxisTitles(UIChart& chart);
/// Series `s`'s wedges in a series layer on the plot area, with the wall (or the shadow) of series 0, whose
/// copies come out of `copies`.
void drawPieWedges(UIChart& chart, std::size_t s, LayerCopyBudget& copies);
/// Series `j`'s item titles in a container view over the plot area.
void placePieTitles(UIChart& chart, std::size_t j);

}  // namespace tarnavel
