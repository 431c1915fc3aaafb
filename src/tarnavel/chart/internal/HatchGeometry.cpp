#include "tarnavel/chart/internal/HatchGeometry.h"

#include <cmath>

namespace tarnavel {

std::vector<HatchSegment> hatchSegments(CGSize size, CGFloat step) {
  const CGFloat w = size.width, h = size.height;
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(w) || !(h > 0) || !std::isfinite(h)) return {};
  if (2 * h / step > kMaxHatchLines) return {};
  const CGFloat dx = w * step / h;
  if (!std::isfinite(dx)) return {};

  std::vector<HatchSegment> segments;
  CGFloat x0 = 0, x1 = -dx;
  for (CGFloat t = 0; t < 2 * h; t += step) {
    CGFloat y0 = t, y1 = 0;
    if (t > h) {
      x0 += dx;
      y0 = h;
    }
    if (t - h <= 0) {
      x1 += dx;
    } else {
      y1 = t - h;
    }
    if (x0 <= w && x1 <= w) segments.push_back({{x0, y0}, {x1, y1}});
  }
  return segments;
}

}  // namespace tarnavel
