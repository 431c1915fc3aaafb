#include "tarnavel/chart/internal/CylinderGeometry.h"

#include <cmath>
#include <limits>

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

std::vector<CylinderBodyCopy> cylinderBodyCopies(CGFloat value, CGFloat length) {
  const CGFloat twice = 2 * length;
  // The counter is an int: a length it cannot hold has no body rather than an undefined count.
  constexpr CGFloat kLongest = std::numeric_limits<int>::max() / 2;
  if (!std::isfinite(twice) || std::fabs(twice) >= kLongest) return {};
  const bool negative = value < 0.0;
  std::vector<CylinderBodyCopy> copies;
  const CGFloat limit = negative ? twice : 0.0;
  for (int i = negative ? 0 : static_cast<int>(twice); static_cast<CGFloat>(i) > limit; --i) {
    const CGFloat offset = i * 0.5 + (negative ? -length : 0.0);
    copies.push_back({offset, static_cast<CGFloat>(i) == twice});
  }
  return copies;
}

}  // namespace tarnavel
