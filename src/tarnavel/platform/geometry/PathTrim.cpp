#include "tarnavel/platform/geometry/PathTrim.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarnavel {

namespace {

// Enough pieces that a flattened quarter circle of a few hundred points strays well under half a pixel.
constexpr int kCurvePieces = 32;

struct Segment {
  CGPoint from;
  CGPoint to;
  bool startsSubpath;
};

CGPoint cubicPoint(CGPoint p0, CGPoint c1, CGPoint c2, CGPoint p3, CGFloat t) {
  const CGFloat u = 1 - t;
  const CGFloat a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return {a * p0.x + b * c1.x + c * c2.x + d * p3.x, a * p0.y + b * c1.y + c * c2.y + d * p3.y};
}

std::vector<Segment> flatten(const CGPath& path) {
  std::vector<Segment> segments;
  CGPoint current, subpathStart;
  bool newSubpath = true;
  auto add = [&](CGPoint to) {
    segments.push_back({current, to, newSubpath});
    newSubpath = false;
    current = to;
  };
  for (const CGPath::Element& e : path.elements()) {
    switch (e.type) {
      case CGPath::ElementType::MoveTo:
        current = subpathStart = e.points[0];
        newSubpath = true;
        break;
      case CGPath::ElementType::LineTo:
        add(e.points[0]);
        break;
      case CGPath::ElementType::CurveTo: {
        const CGPoint p0 = current;
        for (int i = 1; i <= kCurvePieces; ++i) {
          add(cubicPoint(p0, e.points[0], e.points[1], e.points[2], static_cast<CGFloat>(i) / kCurvePieces));
        }
        break;
      }
      case CGPath::ElementType::Close:
        add(subpathStart);
        current = subpathStart;
        break;
    }
  }
  return segments;
}

CGFloat length(const Segment& s) {
  return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
}

CGPoint along(const Segment& s, CGFloat fraction) {
  return {s.from.x + (s.to.x - s.from.x) * fraction, s.from.y + (s.to.y - s.from.y) * fraction};
}

}  // namespace

CGPath trimPath(const CGPath& path, CGFloat start, CGFloat end) {
  CGPath out;
  if (!(start < end)) return out;
  const std::vector<Segment> segments = flatten(path);
  CGFloat total = 0;
  for (const Segment& s : segments)
    total += length(s);
  if (!(total > 0) || !std::isfinite(total)) return out;

  const CGFloat from = start * total, to = end * total;
  CGFloat walked = 0;
  bool drawing = false;
  for (const Segment& s : segments) {
    const CGFloat len = length(s);
    const CGFloat keepFrom = std::max(from, walked), keepTo = std::min(to, walked + len);
    if (s.startsSubpath) drawing = false;
    if (len > 0 && keepFrom < keepTo) {
      const CGPoint a = along(s, (keepFrom - walked) / len), b = along(s, (keepTo - walked) / len);
      if (!drawing) out.moveTo(a);
      out.lineTo(b);
      drawing = true;
    } else if (len > 0) {
      drawing = false;
    }
    walked += len;
  }
  return out;
}

}  // namespace tarnavel
