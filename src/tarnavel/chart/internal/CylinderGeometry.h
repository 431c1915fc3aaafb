#pragma once

#include <optional>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// The oval of a cylinder's top, from its item rectangle as the item view reads it back (standardised):
/// half the breadth deep, centred on the rectangle's upper edge for a vertical plot and on its left edge for
/// a horizontal one. None for any other orientation.
std::optional<CGRect> cylinderTopOval(CGRect item, NSUInteger orientation, CGFloat breadth);

/// One copy of a cylinder's top that, with the others, makes its body.
struct CylinderBodyCopy {
  /// How far the copy lies from the top along the value axis.
  CGFloat offset;
  /// The copy casts the series template's shadow.
  bool castsShadow;
};

/// The body of a cylinder of `length` points (negative for a negative value), farthest copy first: copies
/// half a point apart from the far end back towards the top. A positive body has (int)(2 x length) copies
/// at length's whole half points, the first casting the shadow when twice the length is whole; a negative
/// one has a copy at -length and then every half point towards the top, none casting the shadow. A length
/// that is not finite or too long to count in an int has no body.
std::vector<CylinderBodyCopy> cylinderBodyCopies(CGFloat value, CGFloat length);

}  // namespace tarnavel
