#pragma once

#include <cstdint>

namespace tarnavel {

/// Lengths are in points; the toolkit's fractional type is double on every target here.
using CGFloat = double;
using NSInteger = std::int64_t;
using NSUInteger = std::uint64_t;

struct CGPoint {
  CGFloat x = 0;
  CGFloat y = 0;
  friend bool operator==(const CGPoint&, const CGPoint&) = default;
};

struct CGSize {
  CGFloat width = 0;
  CGFloat height = 0;
  friend bool operator==(const CGSize&, const CGSize&) = default;
};

struct CGRect {
  CGPoint origin;
  CGSize size;
  friend bool operator==(const CGRect&, const CGRect&) = default;
};

constexpr CGPoint CGPointMake(CGFloat x, CGFloat y) {
  return {x, y};
}
constexpr CGSize CGSizeMake(CGFloat width, CGFloat height) {
  return {width, height};
}
constexpr CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height) {
  return {{x, y}, {width, height}};
}
inline constexpr CGRect CGRectZero{};

/// The same rectangle with its origin at the smaller corner and a size that is not negative.
CGRect CGRectStandardize(CGRect rect);
/// True for a rectangle of zero width or zero height, or one with a non-finite component.
bool CGRectIsEmpty(CGRect rect);
bool CGRectContainsPoint(CGRect rect, CGPoint point);
bool CGRectIsFinite(CGRect rect);
CGFloat CGRectGetMinX(CGRect rect);
CGFloat CGRectGetMaxX(CGRect rect);
CGFloat CGRectGetMinY(CGRect rect);
CGFloat CGRectGetMaxY(CGRect rect);
CGFloat CGRectGetMidX(CGRect rect);
CGFloat CGRectGetMidY(CGRect rect);
/// The smallest rectangle holding both; an empty-sized side still counts as a point.
CGRect CGRectUnion(CGRect a, CGRect b);

/// `length` with an infinity brought to the largest finite value of its sign (NaN stays NaN): positions and
/// sizes summed from huge settings saturate there instead of overflowing into frames no layer accepts.
CGFloat saturatedLength(CGFloat length);

/// A 2D affine map: (x, y) -> (a x + c y + tx, b x + d y + ty).
struct CGAffineTransform {
  CGFloat a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  friend bool operator==(const CGAffineTransform&, const CGAffineTransform&) = default;
};

inline constexpr CGAffineTransform CGAffineTransformIdentity{};
CGAffineTransform CGAffineTransformMakeRotation(CGFloat radians);
CGAffineTransform CGAffineTransformMakeScale(CGFloat sx, CGFloat sy);
CGAffineTransform CGAffineTransformMakeTranslation(CGFloat tx, CGFloat ty);
/// First `first`, then `second`.
CGAffineTransform CGAffineTransformConcat(const CGAffineTransform& first, const CGAffineTransform& second);
/// The inverse map; the identity when the transform cannot be inverted.
CGAffineTransform CGAffineTransformInvert(const CGAffineTransform& t);
bool CGAffineTransformIsIdentity(const CGAffineTransform& t);
CGPoint CGPointApplyAffineTransform(CGPoint p, const CGAffineTransform& t);
/// The bounding box of the rectangle's four mapped corners; coordinates that overflow saturate
/// (saturatedLength), so a finite rectangle under a finite transform has a finite box.
CGRect CGRectApplyAffineTransform(CGRect rect, const CGAffineTransform& t);

/// A 4x4 layer transform in row-vector convention, as layers use it.
struct CATransform3D {
  CGFloat m11 = 1, m12 = 0, m13 = 0, m14 = 0;
  CGFloat m21 = 0, m22 = 1, m23 = 0, m24 = 0;
  CGFloat m31 = 0, m32 = 0, m33 = 1, m34 = 0;
  CGFloat m41 = 0, m42 = 0, m43 = 0, m44 = 1;
  friend bool operator==(const CATransform3D&, const CATransform3D&) = default;
};

inline constexpr CATransform3D CATransform3DIdentity{};
CATransform3D CATransform3DMakeScale(CGFloat sx, CGFloat sy, CGFloat sz);
CATransform3D CATransform3DMakeAffineTransform(const CGAffineTransform& t);
/// The 2D part of a layer transform (the x and y rows); what a flat renderer draws with.
CGAffineTransform CATransform3DGetAffineTransform(const CATransform3D& t);
bool CATransform3DIsIdentity(const CATransform3D& t);

}  // namespace tarnavel
