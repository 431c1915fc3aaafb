#include "tarnavel/platform/layers/CAGradientLayer.h"

#include <algorithm>
#include <cmath>

namespace tarnavel {

namespace {

CGFloat unitLocation(CGFloat location) {
  return std::isnan(location) ? 0 : std::clamp(location, 0.0, 1.0);
}

bool isFinite(CGPoint p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

CGPoint mapUnitPoint(CGPoint unit, CGRect bounds) {
  return {bounds.origin.x + unit.x * bounds.size.width, bounds.origin.y + unit.y * bounds.size.height};
}

}  // namespace

CGGradient CAGradientLayer::gradient() const {
  const std::size_t count = locations ? std::min(colors.size(), locations->size()) : colors.size();
  CGGradient result;
  for (std::size_t i = 0; i < count; ++i) {
    const CGFloat location = locations ? unitLocation((*locations)[i])
                                       : (count == 1 ? 0.0 : static_cast<CGFloat>(i) / (count - 1));
    const std::array<CGFloat, 4> rgba = colors[i] ? colors[i]->rgba() : std::array<CGFloat, 4>{0, 0, 0, 0};
    result.stops.push_back({location, rgba});
  }
  return result;
}

void CAGradientLayer::drawInContext(CGContext& context) const {
  const CGGradient stops = gradient();
  const CGRect box = bounds();
  if (stops.stops.empty() || CGRectIsEmpty(box) || !isFinite(startPoint) || !isFinite(endPoint)) return;
  CGPath clip;
  clip.addRect(box);
  context.saveGState();
  context.clipToPath(clip);
  context.drawLinearGradient(stops, mapUnitPoint(startPoint, box), mapUnitPoint(endPoint, box),
                             kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation);
  context.restoreGState();
}

std::shared_ptr<CALayer> CAGradientLayer::copyProperties() const {
  return std::shared_ptr<CALayer>(new CAGradientLayer(*this));
}

}  // namespace tarnavel
