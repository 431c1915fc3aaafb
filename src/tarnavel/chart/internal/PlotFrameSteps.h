#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include "tarnavel/chart/internal/PlotFrame.h"

namespace tarnavel {

class ChartItem;
class UIChart;
class UILabel;
class UIView;

// The steps of the plot frame, in the order drawPlotFrame and drawCategoryLabels run them.

/// Adds `view` on top of the chart's children, through the bind record when the chart is held by a shared
/// pointer (as every bound chart is), directly otherwise.
void addToChartView(UIChart& chart, std::shared_ptr<UIView> view);

/// The extents of the plot area for an axis of `scale`, and the title band.
PlotGeometry measurePlot(const UIChart& chart, const ValueScale& scale);
/// The category slots from the item count; the `itemBreadth` check when asked for.
void fitCategorySlots(UIChart& chart, PlotGeometry& plot, bool checkItemBreadth);

/// The tick passes of the value axis: labels on every `yAxisScaleUnitsCount`-th tick (on the chart view)
/// and a grid line per tick (on the plot area's layer).
void drawValueAxis(UIChart& chart, const PlotGeometry& plot);
/// The value-axis title, then the category-axis title, each placed while its frame is empty, added to the
/// chart view and rotated by its angle; a title whose text is "" is left out.
void placeAxisTitles(UIChart& chart, const PlotGeometry& plot);
/// Offset of a title of `text` length along a side of `side` length: 0 start, 1 centre, 2 end, else none.
CGFloat alongSide(NSUInteger location, CGFloat side, CGFloat text);
/// One axis title: left out when its text is ""; framed by `frameOf` (from its text size) while its frame
/// is empty and `frameOf` gives a frame; added to the chart view and rotated by `angleDegrees`.
void placeAxisTitle(UIChart& chart, const std::shared_ptr<UILabel>& title, CGFloat angleDegrees,
                    const std::function<std::optional<CGRect>(CGSize)>& frameOf);
/// Each marked region: skipped when empty, its bounds normalised and written back, framed, decorated and
/// added to the plot area.
void drawMarkedRegions(UIChart& chart, const PlotGeometry& plot);

/// An item's value title, framed by `rule` from the item's frame and added to the plot area.
void placeValueTitle(UIChart& chart, const PlotGeometry& plot, ValueTitleRule rule, ChartItem& item);
/// The grid line across the plot at the centre of category `itemIndex`.
void drawCategoryGridLine(UIChart& chart, const PlotGeometry& plot, std::size_t itemIndex);
/// An item's category label, beside the plot at the centre of category `itemIndex`, on the chart view.
void placeCategoryLabel(UIChart& chart, const PlotGeometry& plot, CGFloat offset, std::size_t itemIndex,
                        ChartItem& item);

}  // namespace tarnavel
