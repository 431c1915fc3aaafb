#pragma once

#include <cmath>
#include <memory>

#include "tarnavel/chart/Legend.h"

namespace tarnavel {

class UIChart;

/// An entry's margin as its layout uses it: one that is not a finite number would carry NaN into every
/// frame, so it counts as 0.
inline CGFloat legendMarginOf(const legend& entry) {
  return std::isfinite(entry.legendMargin) ? entry.legendMargin : 0.0;
}

/// The legends step of a bind: builds every entry of `legends` into the legend zone, in a column or a row
/// by `legendsInterpositions` (any other value builds none), gives the zone a frame around them by its
/// locations while its frame is empty, decorates it and adds it on top of the chart. Each entry is built
/// as its own protected step.
void drawLegends(UIChart& chart);

/// Builds `entry` at (x, y) of the legend zone: sizes its label and bullet (writing a computed bullet width
/// back), draws the bullet's shape or image, frames the entry and adds it to the zone. An NSException ends
/// the building of this entry only.
void drawLegend(UIChart& chart, const std::shared_ptr<legend>& entry, CGFloat x, CGFloat y);

}  // namespace tarnavel
