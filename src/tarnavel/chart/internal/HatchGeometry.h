#pragma once

#include <cstddef>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

struct HatchSegment {
  CGPoint from;
  CGPoint to;
  friend bool operator==(const HatchSegment&, const HatchSegment&) = default;
};

/// More hatch lines than this in one box are drawn as none: such a step is far finer than a point.
inline constexpr std::size_t kMaxHatchLines = 20000;

/// The diagonal hatch lines of a box of `size`, `step` apart along the box's left edge, in drawing order:
/// from the left edge towards the top edge while the running height t stays within the box, then from the
/// bottom edge towards the right edge. The running ends are sums carried from line to line, as the chart
/// has always drawn them, so a height that is not a multiple of the step ends in a steeper last line.
/// A step of zero, below zero or not finite, or one that would need more than kMaxHatchLines passes, gives
/// no lines.
std::vector<HatchSegment> hatchSegments(CGSize size, CGFloat step);

}  // namespace tarnavel
