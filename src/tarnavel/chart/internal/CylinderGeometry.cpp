#include "tarnavel/chart/internal/CylinderGeometry.h"

#include <algorithm>
#include <cmath>

#include "tarnavel/chart/ChartEnumerations.h"

namespace tarnavel {

std::optional<CGRect> cylinderTopOval(CGRect item, NSUInteger orientation, CGFloat breadth) {
  const CGPoint p = item.origin;
  if (orientation == ChartOrientationVertical)
    return CGRectMake(p.x, p.y - breadth / 4, breadth, breadth / 2);
  if (orientation == ChartOrientationHorizontal)
    return CGRectMake(p.x - breadth / 4, p.y, breadth / 2, breadth);
  return std::nullopt;
}

std::size_t cylinderBodyCopyCount(CGFloat value, CGFloat length) {
  const CGFloat twice = 2 * length;
  if (!std::isfinite(twice)) return 0;
  // A positive body counts half points down from (int)(2 x length) to 1; a negative one from 0 down to the
  // last whole number above 2 x length.
  const CGFloat count = value < 0.0 ? std::ceil(-twice) : std::floor(twice);
  constexpr CGFloat kMostCounted = 0x1p53;
  return count > 0 ? static_cast<std::size_t>(std::min(count, kMostCounted)) : 0;
}

std::vector<CylinderBodyCopy> cylinderBodyCopies(CGFloat value, CGFloat length, std::size_t most) {
  const std::size_t count = cylinderBodyCopyCount(value, length);
  const std::size_t kept = std::min(count, most);
  const bool negative = value < 0.0;
  const CGFloat twice = 2 * length;
  // The half-point counter of the first copy kept: the farthest count - kept are left out.
  CGFloat i = negative ? -static_cast<CGFloat>(count - kept) : static_cast<CGFloat>(kept);
  std::vector<CylinderBodyCopy> copies;
  copies.reserve(kept);
  for (std::size_t n = 0; n < kept; ++n, i -= 1)
    copies.push_back({i * 0.5 + (negative ? -length : 0.0), i == twice});
  return copies;
}

}  // namespace tarnavel
