#pragma once

#include <cstddef>
#include <optional>

#include "tarnavel/chart/internal/PlotFrame.h"
#include "tarnavel/platform/geometry/CGPath.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// What the area marks take from the plot frame and the shared range flags, fixed for one drawer call.
struct AreaPlot {
  /// The plot frame's quantities: the value extent E, the half slot and slot, the orientation.
  PlotGeometry frame;
  /// Breadth of an item's span rectangle across the value axis: the half slot shared among the series.
  CGFloat spanBreadth = 0;
  bool stacked = false;
  bool positiveAndNegative = false;
  bool negativeOnly = false;
};

/// The half slot divided by the number of series.
CGFloat areaSpanBreadth(const PlotGeometry& frame, std::size_t seriesCount);

/// The rectangle of item `k` from the zero line (or, stacked, from the running sum `base` that already
/// includes this item) to its value end, `length` points long (negative for a negative value), starting at
/// the centre of its category. Its extent along the value axis is negative where the value runs against
/// the axis; the item view standardises it. None for an orientation other than vertical or horizontal.
std::optional<CGRect> areaSpanRect(const AreaPlot& plot, std::size_t k, CGFloat length, CGFloat base);

/// The value end of a standardised span rectangle: its right edge for a value of 0 or more laid
/// horizontally, its bottom edge for a negative value laid vertically, its origin otherwise.
CGPoint areaDataPoint(CGRect span, NSUInteger orientation, CGFloat value);

/// The open outline of the band between the previous data point and this one: down from `previous` to the
/// zero line, along it, and up to `point`. Filling it closes it back to `previous`. A vertical plot's zero
/// line is horizontal, any other orientation's vertical.
CGMutablePathRef areaBandPath(const AreaPlot& plot, CGPoint previous, CGPoint point);

}  // namespace tarnavel
