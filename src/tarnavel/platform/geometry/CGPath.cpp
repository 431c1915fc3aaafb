#include "tarnavel/platform/geometry/CGPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarnavel {

namespace {

// Control-point distance for a cubic approximating a circular arc of `sweep` radians.
CGFloat arcHandle(CGFloat sweep) {
  return 4.0 / 3.0 * std::tan(sweep / 4.0);
}

}  // namespace

bool operator==(const CGPath::Element& a, const CGPath::Element& b) {
  if (a.type != b.type) return false;
  const int used =
      a.type == CGPath::ElementType::CurveTo ? 3 : (a.type == CGPath::ElementType::Close ? 0 : 1);
  for (int i = 0; i < used; ++i) {
    if (!(a.points[i] == b.points[i])) return false;
  }
  return true;
}

bool operator==(const CGPath& a, const CGPath& b) {
  return a.elements_ == b.elements_;
}

void CGPath::moveTo(CGPoint p) {
  elements_.push_back({ElementType::MoveTo, {p, {}, {}}});
  current_ = subpathStart_ = p;
}

void CGPath::lineTo(CGPoint p) {
  if (elements_.empty()) {
    moveTo(p);
    return;
  }
  elements_.push_back({ElementType::LineTo, {p, {}, {}}});
  current_ = p;
}

void CGPath::curveTo(CGPoint c1, CGPoint c2, CGPoint end) {
  if (elements_.empty()) moveTo(c1);
  elements_.push_back({ElementType::CurveTo, {c1, c2, end}});
  current_ = end;
}

void CGPath::closeSubpath() {
  if (elements_.empty()) return;
  elements_.push_back({ElementType::Close, {}});
  current_ = subpathStart_;
}

void CGPath::addRect(CGRect r) {
  r = CGRectStandardize(r);
  moveTo(r.origin);
  lineTo({r.origin.x + r.size.width, r.origin.y});
  lineTo({r.origin.x + r.size.width, r.origin.y + r.size.height});
  lineTo({r.origin.x, r.origin.y + r.size.height});
  closeSubpath();
}

void CGPath::addEllipseInRect(CGRect r) {
  r = CGRectStandardize(r);
  const CGFloat rx = r.size.width / 2, ry = r.size.height / 2;
  const CGFloat cx = r.origin.x + rx, cy = r.origin.y + ry;
  const CGFloat k = arcHandle(std::numbers::pi / 2);
  moveTo({cx + rx, cy});
  curveTo({cx + rx, cy + k * ry}, {cx + k * rx, cy + ry}, {cx, cy + ry});
  curveTo({cx - k * rx, cy + ry}, {cx - rx, cy + k * ry}, {cx - rx, cy});
  curveTo({cx - rx, cy - k * ry}, {cx - k * rx, cy - ry}, {cx, cy - ry});
  curveTo({cx + k * rx, cy - ry}, {cx + rx, cy - k * ry}, {cx + rx, cy});
  closeSubpath();
}

void CGPath::addRoundedRect(CGRect r, CGFloat radius) {
  r = CGRectStandardize(r);
  radius = std::clamp(radius, 0.0, std::min(r.size.width, r.size.height) / 2);
  if (!(radius > 0)) {
    addRect(r);
    return;
  }
  const CGFloat x0 = r.origin.x, y0 = r.origin.y, x1 = x0 + r.size.width, y1 = y0 + r.size.height;
  const double quarter = std::numbers::pi / 2;
  moveTo({x0 + radius, y0});
  // Each corner turns a quarter towards increasing angles: clockwise on screen.
  addArc({x1 - radius, y0 + radius}, radius, -quarter, 0, true);
  addArc({x1 - radius, y1 - radius}, radius, 0, quarter, true);
  addArc({x0 + radius, y1 - radius}, radius, quarter, 2 * quarter, true);
  addArc({x0 + radius, y0 + radius}, radius, 2 * quarter, 3 * quarter, true);
  closeSubpath();
}

void CGPath::addArc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise) {
  if (!std::isfinite(radius) || !std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
  const double twoPi = 2 * std::numbers::pi;
  // With y growing downwards, the toolkit's "clockwise" arc runs towards increasing angles.
  double sweep = endAngle - startAngle;
  if (clockwise) {
    if (sweep < 0) sweep = std::fmod(sweep, twoPi) + twoPi;
  } else if (sweep > 0) {
    sweep = std::fmod(sweep, twoPi) - twoPi;
  }
  if (std::abs(sweep) > twoPi) sweep = std::copysign(twoPi, sweep);
  const CGPoint start{center.x + radius * std::cos(startAngle), center.y + radius * std::sin(startAngle)};
  if (elements_.empty()) {
    moveTo(start);
  } else {
    lineTo(start);
  }
  const int pieces =
      std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 2) - 1e-9)));
  const double step = sweep / pieces;
  const double k = arcHandle(step);
  double angle = startAngle;
  for (int i = 0; i < pieces; ++i) {
    const double next = angle + step;
    const CGPoint p0{center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
    const CGPoint p3{center.x + radius * std::cos(next), center.y + radius * std::sin(next)};
    const CGPoint c1{p0.x - k * radius * std::sin(angle), p0.y + k * radius * std::cos(angle)};
    const CGPoint c2{p3.x + k * radius * std::sin(next), p3.y - k * radius * std::cos(next)};
    curveTo(c1, c2, p3);
    angle = next;
  }
}

void CGPath::addPath(const CGPath& other) {
  for (const Element& e : other.elements_)
    elements_.push_back(e);
  if (!other.elements_.empty()) {
    current_ = other.current_;
    subpathStart_ = other.subpathStart_;
  }
}

CGRect CGPath::boundingBox() const {
  bool first = true;
  CGFloat minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (const Element& e : elements_) {
    const int used = e.type == ElementType::CurveTo ? 3 : (e.type == ElementType::Close ? 0 : 1);
    for (int i = 0; i < used; ++i) {
      const CGPoint p = e.points[i];
      if (first) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        first = false;
      }
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
  }
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGPath CGPath::transformed(const CGAffineTransform& t) const {
  CGPath out = *this;
  for (Element& e : out.elements_) {
    for (CGPoint& p : e.points)
      p = CGPointApplyAffineTransform(p, t);
  }
  out.current_ = CGPointApplyAffineTransform(current_, t);
  out.subpathStart_ = CGPointApplyAffineTransform(subpathStart_, t);
  return out;
}

}  // namespace tarnavel
