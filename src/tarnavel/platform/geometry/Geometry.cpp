#include "tarnavel/platform/geometry/Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarnavel {

CGRect CGRectStandardize(CGRect rect) {
  if (rect.size.width < 0) {
    rect.origin.x += rect.size.width;
    rect.size.width = -rect.size.width;
  }
  if (rect.size.height < 0) {
    rect.origin.y += rect.size.height;
    rect.size.height = -rect.size.height;
  }
  return rect;
}

CGFloat saturatedLength(CGFloat length) {
  constexpr CGFloat largest = std::numeric_limits<CGFloat>::max();
  return std::isnan(length) ? length : std::clamp(length, -largest, largest);
}

bool CGRectIsFinite(CGRect rect) {
  return std::isfinite(rect.origin.x) && std::isfinite(rect.origin.y) && std::isfinite(rect.size.width) &&
         std::isfinite(rect.size.height);
}

bool CGRectIsEmpty(CGRect rect) {
  return !CGRectIsFinite(rect) || rect.size.width == 0 || rect.size.height == 0;
}

CGFloat CGRectGetMinX(CGRect r) {
  return CGRectStandardize(r).origin.x;
}
CGFloat CGRectGetMinY(CGRect r) {
  return CGRectStandardize(r).origin.y;
}
CGFloat CGRectGetMaxX(CGRect r) {
  r = CGRectStandardize(r);
  return r.origin.x + r.size.width;
}
CGFloat CGRectGetMaxY(CGRect r) {
  r = CGRectStandardize(r);
  return r.origin.y + r.size.height;
}
CGFloat CGRectGetMidX(CGRect r) {
  return (CGRectGetMinX(r) + CGRectGetMaxX(r)) * 0.5;
}
CGFloat CGRectGetMidY(CGRect r) {
  return (CGRectGetMinY(r) + CGRectGetMaxY(r)) * 0.5;
}

bool CGRectContainsPoint(CGRect rect, CGPoint p) {
  rect = CGRectStandardize(rect);
  return p.x >= rect.origin.x && p.x < rect.origin.x + rect.size.width && p.y >= rect.origin.y &&
         p.y < rect.origin.y + rect.size.height;
}

CGRect CGRectUnion(CGRect a, CGRect b) {
  const CGFloat minX = std::min(CGRectGetMinX(a), CGRectGetMinX(b));
  const CGFloat minY = std::min(CGRectGetMinY(a), CGRectGetMinY(b));
  const CGFloat maxX = std::max(CGRectGetMaxX(a), CGRectGetMaxX(b));
  const CGFloat maxY = std::max(CGRectGetMaxY(a), CGRectGetMaxY(b));
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGAffineTransform CGAffineTransformMakeRotation(CGFloat radians) {
  const CGFloat cosine = std::cos(radians);
  const CGFloat sine = std::sin(radians);
  return {cosine, sine, -sine, cosine, 0, 0};
}

CGAffineTransform CGAffineTransformMakeScale(CGFloat sx, CGFloat sy) {
  return {sx, 0, 0, sy, 0, 0};
}

CGAffineTransform CGAffineTransformMakeTranslation(CGFloat tx, CGFloat ty) {
  return {1, 0, 0, 1, tx, ty};
}

CGAffineTransform CGAffineTransformConcat(const CGAffineTransform& t1, const CGAffineTransform& t2) {
  return {t1.a * t2.a + t1.b * t2.c,           t1.a * t2.b + t1.b * t2.d,
          t1.c * t2.a + t1.d * t2.c,           t1.c * t2.b + t1.d * t2.d,
          t1.tx * t2.a + t1.ty * t2.c + t2.tx, t1.tx * t2.b + t1.ty * t2.d + t2.ty};
}

CGAffineTransform CGAffineTransformInvert(const CGAffineTransform& t) {
  const CGFloat det = t.a * t.d - t.b * t.c;
  if (det == 0 || !std::isfinite(det)) return CGAffineTransformIdentity;
  const CGFloat a = t.d / det, b = -t.b / det, c = -t.c / det, d = t.a / det;
  return {a, b, c, d, -(t.tx * a + t.ty * c), -(t.tx * b + t.ty * d)};
}

bool CGAffineTransformIsIdentity(const CGAffineTransform& t) {
  return t == CGAffineTransformIdentity;
}

CGPoint CGPointApplyAffineTransform(CGPoint p, const CGAffineTransform& t) {
  return {t.a * p.x + t.c * p.y + t.tx, t.b * p.x + t.d * p.y + t.ty};
}

CGRect CGRectApplyAffineTransform(CGRect rect, const CGAffineTransform& t) {
  rect = CGRectStandardize(rect);
  const CGFloat x0 = rect.origin.x, y0 = rect.origin.y;
  const CGFloat x1 = saturatedLength(x0 + rect.size.width), y1 = saturatedLength(y0 + rect.size.height);
  // Each step saturates, so that no sum of overflowed terms becomes NaN.
  const auto map = [](CGFloat a, CGFloat x, CGFloat c, CGFloat y, CGFloat offset) {
    return saturatedLength(saturatedLength(saturatedLength(a * x) + saturatedLength(c * y)) + offset);
  };
  const auto corner = [&](CGFloat x, CGFloat y) {
    return CGPoint{map(t.a, x, t.c, y, t.tx), map(t.b, x, t.d, y, t.ty)};
  };
  const CGPoint corners[] = {corner(x0, y0), corner(x1, y0), corner(x0, y1), corner(x1, y1)};
  CGFloat minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
  for (const CGPoint& p : corners) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  return CGRectMake(minX, minY, saturatedLength(maxX - minX), saturatedLength(maxY - minY));
}

CATransform3D CATransform3DMakeScale(CGFloat sx, CGFloat sy, CGFloat sz) {
  CATransform3D t;
  t.m11 = sx;
  t.m22 = sy;
  t.m33 = sz;
  return t;
}

CATransform3D CATransform3DMakeAffineTransform(const CGAffineTransform& a) {
  CATransform3D t;
  t.m11 = a.a;
  t.m12 = a.b;
  t.m21 = a.c;
  t.m22 = a.d;
  t.m41 = a.tx;
  t.m42 = a.ty;
  return t;
}

CGAffineTransform CATransform3DGetAffineTransform(const CATransform3D& t) {
  return {t.m11, t.m12, t.m21, t.m22, t.m41, t.m42};
}

bool CATransform3DIsIdentity(const CATransform3D& t) {
  return t == CATransform3DIdentity;
}

}  // namespace tarnavel
