#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// A value axis after rounding: its top value and the value between two neighbouring ticks.
struct ValueScale {
  CGFloat maximum = 0;
  /// 0 when the axis has no usable step (a maximum that is 0, negative or not finite, or a units count of 0
  /// or below); the maximum is then left as it was.
  CGFloat step = 0;
  bool hasStep() const { return step > 0; }
};

/// The upper end of a value range for the largest positive value `largest` (0 when there is none): 0
/// without a positive value; otherwise `current`, raised to `largest` plus a twentieth when below it (a
/// negative `current`, the unset marker among them, and one that is not a number are replaced).
CGFloat fittedMaxValue(CGFloat current, CGFloat largest);
/// The lower end likewise for the most negative value `smallest` (0 when there is none): a positive or
/// non-finite `current` is replaced, one below `smallest` plus a twentieth is kept.
CGFloat fittedMinValue(CGFloat current, CGFloat smallest);

/// Rounds `maximum` to a multiple of the step p / `unitsCount`, p being the power of ten at or below it, so
/// that every `unitsCount`-th tick falls on a multiple of p. p and the step are worked out in single
/// precision.
ValueScale roundValueScale(CGFloat maximum, int unitsCount);

/// The ends of a value axis that spans both signs, made symmetric around zero: the smaller side is raised to
/// the larger one.
struct ValueRange {
  CGFloat maxValue;
  CGFloat minValue;
};
ValueRange splitSymmetric(ValueRange range);

/// The text of the value label of tick `tickIndex`: "%d" for a whole value, "%.2f" otherwise, with a leading
/// "-" in the negative pass (not for 0).
std::string valueLabelText(long long tickIndex, CGFloat step, bool negativePass);

/// The tick positions of one pass along the value axis, as running sums from `zero`. The upward pass steps
/// towards 0 and stops half a spacing beyond it; the downward pass steps towards `end` and stops half a
/// spacing beyond that. Empty when `spacing` is not a positive finite number, or when the pass would take
/// more than `kMaxTicksPerPass` ticks.
enum class TickPass { Upward, Downward };
inline constexpr std::size_t kMaxTicksPerPass = 10000;
std::vector<CGFloat> tickPositions(TickPass pass, CGFloat zero, CGFloat end, CGFloat spacing);

}  // namespace tarnavel
