#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "tarnavel/chart/internal/PlotFrame.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// What the bar marks take from the plot frame and the shared range flags, fixed for one drawer call.
struct BarPlot {
  /// The plot frame's quantities: the value extent E, the half slot and slot, the orientation.
  PlotGeometry frame;
  /// Share of a slot the bars of one category take, within [0, 1].
  CGFloat itemBreadth = 0;
  bool positiveAndNegative = false;
  bool negativeOnly = false;

  /// Distance from a slot's start to its first bar, so that the group (or stack) is centred in the slot.
  CGFloat offset() const { return frame.halfSlot - frame.halfSlot * itemBreadth; }
};

/// Breadth of one grouped bar: the slot's share divided among the series.
CGFloat groupedBarBreadth(const BarPlot& plot, std::size_t seriesCount);
/// Breadth of one stack: the slot's whole share.
CGFloat stackedBarBreadth(const BarPlot& plot);

/// The bar of series `j`, item `k`, of `length` points along the value axis (negative for a negative value):
/// side by side with the other series in slot k. The rectangle has a negative extent along the value axis for
/// a negative length (the view standardises it). None for an orientation other than vertical or horizontal.
std::optional<CGRect> groupedBarRect(const BarPlot& plot, std::size_t j, std::size_t k, CGFloat length,
                                     CGFloat breadth);
/// The bar of item `k` stacked on `base`, the length of the earlier bars of its sign at that index.
std::optional<CGRect> stackedBarRect(const BarPlot& plot, std::size_t k, CGFloat length, CGFloat base,
                                     CGFloat breadth);

/// The lengths stacked so far per item index, one list per sign, kept in single precision as the stacks
/// always were. Entries exist for the items of the first series only: reading an index beyond raises
/// NSRangeException.
class BarStackSums {
 public:
  /// One more index, empty on both signs.
  void addIndex();
  /// Where a bar of `value` at index `k` starts: the negative sum for a negative value, else the positive.
  CGFloat baseFor(std::size_t k, CGFloat value) const;
  /// Adds `length` to the sum of the value's sign (a value of 0 counts as positive).
  void add(std::size_t k, CGFloat value, CGFloat length);

 private:
  std::vector<float> positive_;
  std::vector<float> negative_;
};

}  // namespace tarnavel
