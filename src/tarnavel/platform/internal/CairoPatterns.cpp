// Gradient patterns with the drawing options of the toolkit. Cairo's pad extension paints both sides beyond
// the ends; a side that the options leave out gets a transparent stop at that end instead, so nothing is
// painted there while the colours inside the range stay as they are.
#include "tarnavel/platform/internal/CairoPatterns.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarnavel {

namespace {

using Stop = CGGradient::Stop;

CGFloat unitClamped(CGFloat value) {
  return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
}

// The stops in order of location, locations and components brought into [0, 1]; stops without a finite
// location are dropped.
std::vector<Stop> usableStops(const CGGradient& gradient) {
  std::vector<Stop> stops;
  stops.reserve(gradient.stops.size());
  for (const Stop& stop : gradient.stops) {
    if (!std::isfinite(stop.location)) continue;
    stops.push_back({unitClamped(stop.location), unitRgba(stop.rgba)});
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const Stop& a, const Stop& b) { return a.location < b.location; });
  return stops;
}

void addStop(cairo_pattern_t* pattern, CGFloat offset, const std::array<CGFloat, 4>& rgba) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, rgba[0], rgba[1], rgba[2], rgba[3]);
}

// The pattern with the gradient's stops, or null when the gradient has no usable stop.
CairoPatternHandle withStops(CairoPatternHandle pattern, const CGGradient& gradient,
                             CGGradientDrawingOptions options) {
  const std::vector<Stop> stops = usableStops(gradient);
  if (stops.empty() || cairo_pattern_status(pattern.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  constexpr std::array<CGFloat, 4> kTransparent{0, 0, 0, 0};
  // Between an end and the nearest stop the gradient shows that stop's colour.
  cairo_pattern_t* p = pattern.get();
  if (!(options & kCGGradientDrawsBeforeStartLocation)) addStop(p, 0, kTransparent);
  if (stops.front().location > 0) addStop(p, 0, stops.front().rgba);
  for (const Stop& stop : stops)
    addStop(p, stop.location, stop.rgba);
  if (stops.back().location < 1) addStop(p, 1, stops.back().rgba);
  if (!(options & kCGGradientDrawsAfterEndLocation)) addStop(p, 1, kTransparent);
  cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
  return pattern;
}

bool isFinite(CGPoint p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

std::array<CGFloat, 4> unitRgba(const std::array<CGFloat, 4>& rgba) {
  return {unitClamped(rgba[0]), unitClamped(rgba[1]), unitClamped(rgba[2]), unitClamped(rgba[3])};
}

CairoPatternHandle createLinearGradientPattern(const CGGradient& gradient, CGPoint start, CGPoint end,
                                               CGGradientDrawingOptions options) {
  if (!isFinite(start) || !isFinite(end) || start == end) return nullptr;
  return withStops(CairoPatternHandle(cairo_pattern_create_linear(start.x, start.y, end.x, end.y)), gradient,
                   options);
}

CairoPatternHandle createRadialGradientPattern(const CGGradient& gradient, CGPoint startCenter,
                                               CGFloat startRadius, CGPoint endCenter, CGFloat endRadius,
                                               CGGradientDrawingOptions options) {
  if (!isFinite(startCenter) || !isFinite(endCenter) || !std::isfinite(startRadius) ||
      !std::isfinite(endRadius) || startRadius < 0 || endRadius < 0 ||
      (startCenter == endCenter && startRadius == endRadius)) {
    return nullptr;
  }
  return withStops(CairoPatternHandle(cairo_pattern_create_radial(startCenter.x, startCenter.y, startRadius,
                                                                  endCenter.x, endCenter.y, endRadius)),
                   gradient, options);
}

}  // namespace tarnavel
