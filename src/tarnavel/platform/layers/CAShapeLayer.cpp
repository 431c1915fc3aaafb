#include "tarnavel/platform/layers/CAShapeLayer.h"

#include <algorithm>
#include <cmath>

#include "tarnavel/platform/geometry/PathTrim.h"

namespace tarnavel {

namespace {

CGFloat strokeFraction(CGFloat value, CGFloat fallback) {
  return std::isnan(value) ? fallback : std::clamp(value, 0.0, 1.0);
}

}  // namespace

CGColorRef CAShapeLayer::defaultFillColor() {
  return UIColor::blackColor()->CGColor();
}

std::shared_ptr<CALayer> CAShapeLayer::copyProperties() const {
  return std::shared_ptr<CALayer>(new CAShapeLayer(*this));
}

void CAShapeLayer::drawInContext(CGContext& context) const {
  if (!path || path->isEmpty()) return;
  if (fillColor) context.fillPath(*path, fillColor, fillRule == kCAFillRuleEvenOdd);
  drawStroke(context);
}

void CAShapeLayer::drawStroke(CGContext& context) const {
  if (!path || path->isEmpty() || !strokeColor || !(lineWidth > 0) || !std::isfinite(lineWidth)) return;

  CGStrokeStyle style{strokeColor, lineWidth, lineCap, lineJoin, miterLimit, lineDashPattern, lineDashPhase};
  const CGFloat start = strokeFraction(strokeStart, 0), end = strokeFraction(strokeEnd, 1);
  if (start == 0 && end == 1) {
    context.strokePath(*path, style);
    return;
  }
  const CGPath part = trimPath(*path, start, end);
  if (!part.isEmpty()) context.strokePath(part, style);
}

}  // namespace tarnavel
