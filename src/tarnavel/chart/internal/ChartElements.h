#pragma once

#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

/// The object in a list entry of the chart's model (a series, an item, a region, a legend). A null entry
/// raises NSInvalidArgumentException, as an entry of the wrong class does in the toolkit, so that it ends the
/// step reading it.
template <class T>
T& elementOf(const std::shared_ptr<T>& entry) {
  if (!entry) raiseException(NSInvalidArgumentException, "a chart list holds a null entry");
  return *entry;
}

/// An item's value as the chart reads it: a value that is not finite counts as 0, so that it cannot carry
/// NaN into the value range or any frame.
inline CGFloat itemValueOf(const ChartItem& item) {
  return std::isfinite(item.value) ? item.value : 0.0;
}

/// Writes a drawer's defaults into the item's fill style and title locations where the host left them unset.
inline void writeItemDefaults(ChartItem& item, NSUInteger layoutStyle, NSUInteger titleVertical,
                              NSUInteger titleHorizontal) {
  if (item.layoutStyle == kChartItemUnset) item.layoutStyle = layoutStyle;
  if (item.titleVerticalLocation == kChartItemUnset) item.titleVerticalLocation = titleVertical;
  if (item.titleHorizontalLocation == kChartItemUnset) item.titleHorizontalLocation = titleHorizontal;
}

/// Calls `mark(j, k, item)` for every item of every series of `seriesList`, in series order and item order;
/// a null series or item raises before it is marked. Each series and item is held while it is marked.
template <class Mark>
void forEachItem(const std::vector<std::shared_ptr<ChartSeries>>& seriesList, Mark&& mark) {
  for (std::size_t j = 0; j < seriesList.size(); ++j) {
    const std::shared_ptr<ChartSeries> series = seriesList[j];
    for (std::size_t k = 0; k < elementOf(series).Items.size(); ++k) {
      const std::shared_ptr<ChartItem> item = series->Items[k];
      elementOf(item);
      mark(j, k, item);
    }
  }
}

}  // namespace tarnavel
