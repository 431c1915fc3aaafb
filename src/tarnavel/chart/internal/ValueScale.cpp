#include "tarnavel/chart/internal/ValueScale.h"

#include <climits>
#include <cmath>

#include "tarnavel/platform/foundation/Format.h"

namespace tarnavel {

CGFloat fittedMaxValue(CGFloat current, CGFloat largest) {
  if (largest == 0) return 0;
  const CGFloat candidate = largest + largest / 20;
  // A host bound that is not a number cannot be kept: it counts as not set.
  if (current < 0 || !std::isfinite(current)) current = candidate;
  return current < candidate ? candidate : current;
}

CGFloat fittedMinValue(CGFloat current, CGFloat smallest) {
  if (smallest == 0) return 0;
  const CGFloat candidate = smallest + smallest / 20;
  if (current > 0 || !std::isfinite(current)) current = candidate;
  return current > candidate ? candidate : current;
}

ValueScale roundValueScale(CGFloat maximum, int unitsCount) {
  if (!(maximum > 0) || !std::isfinite(maximum) || unitsCount <= 0) return {maximum, 0};
  // The decade and the step are taken in single precision on purpose: a maximum just below a power of ten
  // rounds up to that power as a float, which gives the coarser step that charts have always shown for it.
  // The float step is then used in double precision from here on.
  const float decade = std::floor(std::log10(static_cast<float>(maximum)));
  const float power = std::pow(10.0f, decade);
  const CGFloat step = power / static_cast<float>(unitsCount);
  if (!(step > 0) || !std::isfinite(step)) return {maximum, 0};

  const CGFloat whole = std::trunc(maximum / step);
  if (whole * step < maximum) return {(whole + 1) * step, step};
  if (whole * step > maximum) return {(whole - 1) * step, step};
  return {maximum, step};
}

ValueRange splitSymmetric(ValueRange range) {
  if (range.maxValue < -range.minValue) {
    range.maxValue = -range.minValue;
  } else if (range.maxValue > -range.minValue) {
    range.minValue = -range.maxValue;
  }
  return range;
}

std::string valueLabelText(long long tickIndex, CGFloat step, bool negativePass) {
  const CGFloat value = static_cast<CGFloat>(tickIndex) * step;
  // Only a whole value inside the range of int prints as an integer; anything else prints with decimals.
  const bool whole =
      std::isfinite(value) && value >= INT_MIN && value <= INT_MAX && std::trunc(value) == value;
  const std::string text = whole ? formatInteger(static_cast<long long>(value)) : formatFixed(value, 2);
  return negativePass && value != 0 ? "-" + text : text;
}

std::vector<CGFloat> tickPositions(TickPass pass, CGFloat zero, CGFloat end, CGFloat spacing) {
  if (!(spacing > 0) || !std::isfinite(spacing) || !std::isfinite(zero) || !std::isfinite(end)) return {};
  const CGFloat tolerance = 0.5 * spacing;
  const CGFloat signedSpacing = pass == TickPass::Upward ? -spacing : spacing;
  auto inside = [&](CGFloat pos) {
    return pass == TickPass::Upward ? pos >= -tolerance : pos <= end + tolerance;
  };

  std::vector<CGFloat> positions;
  for (CGFloat pos = zero; inside(pos); pos += signedSpacing) {
    // A spacing that is tiny against the axis would add lines without end (or not move at all).
    if (positions.size() == kMaxTicksPerPass) return {};
    positions.push_back(pos);
  }
  return positions;
}

}  // namespace tarnavel
