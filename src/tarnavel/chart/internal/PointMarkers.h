#pragma once

#include <memory>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

class CALayer;
class CAShapeLayer;
class ChartBindRecord;
class ChartItem;
class UIChart;

/// Whether the item's point view shows the image named `pointImageName`: for the image type, and for the
/// types above it while the item's gradient style is inset.
bool showsPointImage(const ChartItem& item);

/// Fills a marker of the item's width by the item's layout style: the gradient (with its inset and rainbow
/// variants), or a layer of hatch lines, on `pointLayer` over the marker box, masked by the marker (which
/// then draws only its stroke over them); otherwise the item's `pointFillColor` as the marker's own fill.
void fillPointMarker(const ChartItem& item, const std::shared_ptr<CAShapeLayer>& marker,
                     const std::shared_ptr<CALayer>& pointLayer, ChartBindRecord& record);

/// The item's point marker, built into its `point` view and the view centred on `dataPoint` in the plot
/// area. An item of type none gets nothing, not even its point view placed.
void drawPointMarker(UIChart& chart, ChartItem& item, CGPoint dataPoint);

}  // namespace tarnavel
