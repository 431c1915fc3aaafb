#include "tarnavel/chart/internal/BarGeometry.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

CGFloat groupedBarBreadth(const BarPlot& plot, std::size_t seriesCount) {
  return plot.frame.slot * plot.itemBreadth / static_cast<float>(seriesCount);
}

CGFloat stackedBarBreadth(const BarPlot& plot) {
  return plot.frame.slot * plot.itemBreadth;
}

namespace {

// The bar's rectangle from where it starts across the value axis and where it stands along it.
std::optional<CGRect> barRect(const BarPlot& plot, CGFloat cross, CGFloat length, CGFloat base,
                              CGFloat breadth) {
  if (plot.frame.orientation == ChartOrientationVertical) {
    // Values grow upwards from the zero line at E, or hang down from the top when all are negative.
    const CGFloat y = (plot.negativeOnly ? 0 : plot.frame.valueExtent - length) - base;
    return CGRectMake(cross, y, breadth, plot.negativeOnly ? -length : length);
  }
  if (plot.frame.orientation == ChartOrientationHorizontal) {
    const CGFloat zero = plot.positiveAndNegative || plot.negativeOnly ? plot.frame.valueExtent : 0;
    return CGRectMake(base + zero, cross, length, breadth);
  }
  return std::nullopt;
}

}  // namespace

std::optional<CGRect> groupedBarRect(const BarPlot& plot, std::size_t j, std::size_t k, CGFloat length,
                                     CGFloat breadth) {
  const CGFloat cross =
      plot.frame.slot * static_cast<CGFloat>(k) + plot.offset() + static_cast<CGFloat>(j) * breadth;
  return barRect(plot, cross, length, 0, breadth);
}

std::optional<CGRect> stackedBarRect(const BarPlot& plot, std::size_t k, CGFloat length, CGFloat base,
                                     CGFloat breadth) {
  const CGFloat cross = plot.frame.slot * static_cast<CGFloat>(k) + plot.offset();
  return barRect(plot, cross, length, base, breadth);
}

void BarStackSums::addIndex() {
  positive_.push_back(0.0f);
  negative_.push_back(0.0f);
}

CGFloat BarStackSums::baseFor(std::size_t k, CGFloat value) const {
  const std::vector<float>& sums = value < 0 ? negative_ : positive_;
  return sums[checkedIndex(static_cast<long long>(k), sums.size())];
}

void BarStackSums::add(std::size_t k, CGFloat value, CGFloat length) {
  std::vector<float>& sums = value < 0 ? negative_ : positive_;
  float& sum = sums[checkedIndex(static_cast<long long>(k), sums.size())];
  sum = static_cast<float>(sum + length);
}

}  // namespace tarnavel
