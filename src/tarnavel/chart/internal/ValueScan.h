#pragma once

namespace tarnavel {

class UIChart;

/// The value scan of a bind: the item count of series 0, the largest positive and the most negative value
/// over every series, from which the chart's `maxValue` and `minValue` are set (each 5% beyond the data,
/// keeping a host value further out), and the process-wide `itemsCount`, `positiveAndNegative` and
/// `negativeOnly`. A negative-only chart gets `maxValue` = -`minValue`.
void scanValueRange(UIChart& chart);

}  // namespace tarnavel
