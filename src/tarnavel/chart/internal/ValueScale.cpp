#include "tarnavel/chart/internal/ValueScale.h"

#include <cmath>
#include <limits>

#include "tarnavel/platform/foundation/Format.h"

namespace tarnavel {

namespace {

constexpr CGFloat kLargest = std::numeric_limits<CGFloat>::max();

// A bound that overflowed is the largest double of its sign: an axis needs finite ends.
CGFloat finiteBound(CGFloat bound) {
  return std::isinf(bound) ? std::copysign(kLargest, bound) : bound;
}

}  // namespace

CGFloat mulDiv(CGFloat a, CGFloat b, CGFloat c) {
  const CGFloat product = a * b;
  return std::isinf(product) ? a / c * b : product / c;
}

CGFloat fittedMaxValue(CGFloat current, CGFloat largest) {
  if (largest == 0) return 0;
  const CGFloat candidate = finiteBound(largest + largest / 20);
  // A host bound that is not a number cannot be kept: it counts as not set.
  if (current < 0 || !std::isfinite(current)) current = candidate;
  return current < candidate ? candidate : current;
}

CGFloat fittedMinValue(CGFloat current, CGFloat smallest) {
  if (smallest == 0) return 0;
  const CGFloat candidate = finiteBound(smallest + smallest / 20);
  if (current > 0 || !std::isfinite(current)) current = candidate;
  return current > candidate ? candidate : current;
}

ValueScale roundValueScale(CGFloat maximum, int unitsCount) {
  if (!(maximum > 0) || !std::isfinite(maximum) || unitsCount <= 0) return {maximum, 0};
  const CGFloat power = std::pow(10.0, std::floor(std::log10(maximum)));
  const CGFloat step = power / unitsCount;
  if (!(step > 0) || !std::isfinite(step)) return {maximum, 0};

  const CGFloat whole = std::trunc(maximum / step);
  if (whole * step < maximum) return {finiteBound((whole + 1) * step), step};
  if (whole * step > maximum) return {(whole - 1) * step, step};
  return {maximum, step};
}

ValueScale splitSymmetric(ValueRange& range, const ValueScale& rounded, int unitsCount) {
  if (range.maxValue < -range.minValue) {
    // The step comes from the larger side, so that its ticks are as many as an axis of that side alone.
    const ValueScale negative = roundValueScale(-range.minValue, unitsCount);
    range.maxValue = negative.maximum;
    range.minValue = -negative.maximum;
    return negative;
  }
  if (range.maxValue > -range.minValue) range.minValue = -range.maxValue;
  return rounded;
}

namespace {

// i x step can miss a whole value by the last bit (15 x 100 / 3 gives 500.00000000000006): a value that
// close to a whole number is that number.
CGFloat snappedToWhole(CGFloat value) {
  const CGFloat nearest = std::round(value);
  const CGFloat tolerance = 8 * std::numeric_limits<CGFloat>::epsilon() * std::fabs(value);
  return std::fabs(value - nearest) <= tolerance ? nearest : value;
}

}  // namespace

std::string valueLabelText(long long tickIndex, CGFloat step, bool negativePass) {
  const CGFloat value = snappedToWhole(static_cast<CGFloat>(tickIndex) * step);
  // A whole value prints as an integer while it fits a 64-bit one; anything else prints with decimals.
  constexpr CGFloat kIntegerLimit = 0x1p63;
  const bool whole = std::isfinite(value) && std::fabs(value) < kIntegerLimit && std::trunc(value) == value;
  const std::string text = whole ? formatInteger(static_cast<long long>(value)) : formatFixed(value, 2);
  return negativePass && value != 0 ? "-" + text : text;
}

std::vector<AxisTick> passTicks(TickPass pass, CGFloat zero, CGFloat end, CGFloat spacing, int labelEvery) {
  if (!(spacing > 0) || !std::isfinite(spacing) || !std::isfinite(zero) || !std::isfinite(end)) return {};
  // Tick i lies at zero -/+ i x spacing; the pass keeps the ticks up to half a spacing beyond its end.
  const CGFloat span = pass == TickPass::Upward ? zero : end - zero;
  const CGFloat count = std::floor(span / spacing + 0.5) + 1;
  if (!(count >= 1)) return {};
  const CGFloat cap = static_cast<CGFloat>(kMaxTicksPerPass);
  long long stride = 1;
  if (count > cap) {
    // Too many ticks to draw: the labelled ones alone, while they stay within the cap.
    if (labelEvery <= 1 || count > cap * labelEvery) return {};
    stride = labelEvery;
  }
  const CGFloat direction = pass == TickPass::Upward ? -1.0 : 1.0;
  const long long total = static_cast<long long>(count);
  std::vector<AxisTick> ticks;
  for (long long i = 0; i < total; i += stride)
    ticks.push_back({zero + direction * static_cast<CGFloat>(i) * spacing, i});
  return ticks;
}

}  // namespace tarnavel
