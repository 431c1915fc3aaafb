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

/// a x b / c, the product first as the chart has always worked it, so that ordinary values come out to the
/// last bit as before; where that product would overflow (values near the largest double) the quotient a / c
/// is taken first instead.
CGFloat mulDiv(CGFloat a, CGFloat b, CGFloat c);

/// The upper end of a value range for the largest positive value `largest` (0 when there is none): 0
/// without a positive value; otherwise `current`, raised to `largest` plus a twentieth when below it (a
/// negative `current`, the unset marker among them, and one that is not a number are replaced). A twentieth
/// beyond the largest double is the largest double.
CGFloat fittedMaxValue(CGFloat current, CGFloat largest);
/// The lower end likewise for the most negative value `smallest` (0 when there is none): a positive or
/// non-finite `current` is replaced, one below `smallest` plus a twentieth is kept.
CGFloat fittedMinValue(CGFloat current, CGFloat smallest);

/// Rounds `maximum` up to the nearest multiple of the step p / `unitsCount`, p being the power of ten at or
/// below it, so that every `unitsCount`-th tick falls on a multiple of p; to the largest double where that
/// multiple lies beyond it.
ValueScale roundValueScale(CGFloat maximum, int unitsCount);

/// The ends of a value axis.
struct ValueRange {
  CGFloat maxValue;
  CGFloat minValue;
};
/// Makes a range that spans both signs symmetric around zero, given `rounded`, the scale of its maximum.
/// When the negative side is the larger, its magnitude is rounded as the maximum is and both ends take it;
/// otherwise the minimum mirrors the maximum. Returns the scale of the side the ends came from.
ValueScale splitSymmetric(ValueRange& range, const ValueScale& rounded, int unitsCount);

/// The text of the value label of tick `tickIndex`: "%d" for a whole value, "%.2f" otherwise, with a leading
/// "-" in the negative pass (not for 0).
std::string valueLabelText(long long tickIndex, CGFloat step, bool negativePass);

/// One tick of a pass: its position along the value axis and its index counted from the zero line.
struct AxisTick {
  CGFloat pos;
  long long index;
};

/// The ticks of one pass along the value axis, `spacing` apart from `zero`. The upward pass steps towards 0
/// and stops half a spacing beyond it; the downward pass steps towards `end` and stops half a spacing beyond
/// that. A pass that would take more than `kMaxTicksPerPass` ticks keeps only every `labelEvery`-th one (the
/// labelled ticks), or none when even those are too many. Empty when `spacing` is not a positive finite
/// number.
enum class TickPass { Upward, Downward };
inline constexpr std::size_t kMaxTicksPerPass = 10000;
std::vector<AxisTick> passTicks(TickPass pass, CGFloat zero, CGFloat end, CGFloat spacing, int labelEvery);

}  // namespace tarnavel
