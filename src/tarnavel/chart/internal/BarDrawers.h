#pragma once

namespace tarnavel {

class UIChart;

/// The bar chart: in every category slot the items of all series stand side by side, series 0 first. Each
/// item view becomes its bar: framed, filled by its style and added to the plot area, inside the plot frame
/// (value axis, axis titles, regions before the bars; value titles and category labels after them).
void drawChartType_bar(UIChart& chart);

/// The stacked bar chart: in every slot the items of the same index are stacked, positive values away from
/// the zero line on one side and negative values on the other, over a value range fitted to the stacks. An
/// item of a later series beyond the items of series 0 ends the drawer there.
void drawChartType_barStacked(UIChart& chart);

}  // namespace tarnavel
