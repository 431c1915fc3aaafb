#pragma once

#include <memory>

namespace tarnavel {

class ChartItem;
class UIChart;
class markedRegion;

// The decorators of the chart's boxes. Each runs as one protected step: an NSException inside ends it
// silently, keeping what it added so far. Every layer and view they add goes through the chart's bind record.

/// The chart's own background: the fill overlay of its style on its own layer.
void drawChartBackground(UIChart& chart);

/// A bar item: clears the item's subviews, writes the bar defaults (gradient fill, title top left) into the
/// unset style and title locations, and lays the fill overlay into the item's layer.
void DrawItem(UIChart& chart, const std::shared_ptr<ChartItem>& item);

/// A marked region: clears its subviews, lays its fill overlay, places its title inside it by the title
/// locations while the title's frame is empty, and adds the title to the region.
void DrawmarkedRegion(UIChart& chart, const std::shared_ptr<markedRegion>& region);

/// The chart's legend zone: lays its fill overlay beneath the entries already in it, places its title around
/// or over it by the title locations (on every call) and adds the title to the zone, above the fill.
void DrawLegendZone(UIChart& chart);

}  // namespace tarnavel
