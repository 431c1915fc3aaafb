#pragma once

#include <cstddef>
#include <optional>

#include "tarnavel/chart/internal/PlotFrame.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// What the line marks take from the plot frame and the shared range flags, fixed for one drawer call.
struct LinePlot {
  /// The plot frame's quantities: the value extent E, the half slot and slot, the orientation.
  PlotGeometry frame;
  bool positiveAndNegative = false;
  bool negativeOnly = false;
};

/// Where the item at position `k` of its series, of `value`, has its data point: the far end, seen from
/// the zero line, of the bar that would stand at the centre of slot k. Vertical: (c, zero - L), the zero
/// line at E (at 0 when all values are negative); horizontal: (zero + L, c), the zero line at 0 (at E when
/// the values are of both signs or all negative). Any other orientation computes nothing and keeps
/// `currentOrigin`, the origin of the item's frame as it stands. None without category slots (the first
/// series has no items): no point then has a place.
std::optional<CGPoint> lineDataPoint(const LinePlot& plot, std::size_t k, CGFloat value,
                                     CGPoint currentOrigin);

/// The frame an item view carries for its data point: 0.1 x 0.1 with its origin on the point.
CGRect dataPointFrame(CGPoint point);

}  // namespace tarnavel
