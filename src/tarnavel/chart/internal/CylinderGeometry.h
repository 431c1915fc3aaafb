#pragma once

#include <cstddef>
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

/// How many copies make the body of a cylinder of `length` points (negative for a negative value): one every
/// half point, (int)(2 x length) for a positive body and one more than the whole half points of a negative
/// one; none for a length that is not finite. Counted as far as a double holds whole numbers.
std::size_t cylinderBodyCopyCount(CGFloat value, CGFloat length);

/// The body of a cylinder of `length` points, farthest copy first: copies half a point apart from the far end
/// back towards the top. A positive body has its copies at length's whole half points, the first casting the
/// shadow when twice the length is whole; a negative one has a copy at -length and then every half point
/// towards the top, none casting the shadow. Of a body longer than `most` copies only the `most` nearest the
/// top are kept (and the shadow, which the farthest casts, with the rest).
std::vector<CylinderBodyCopy> cylinderBodyCopies(CGFloat value, CGFloat length, std::size_t most);

}  // namespace tarnavel
