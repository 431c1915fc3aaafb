#pragma once

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

// Values that stand for "the host has not set this". Each is tested the way the chart has always tested
// it, which is not always plain equality: see the functions below.

/// Default of `UIChart::maxValue`. Any negative maximum counts as not set.
inline constexpr CGFloat kChartUnsetMaxValue = -1.1;
/// Default of `markedRegion::xStart` and `xEnd`.
inline constexpr CGFloat kChartUnsetRegionX = -1.01;
/// Default of both coordinates of `ChartSeries::pieCenter`.
inline constexpr CGFloat kChartUnsetPieCenter = -111.11;
/// Default of `ChartItem::layoutStyle`, `titleVerticalLocation` and `titleHorizontalLocation`: all bits set.
inline constexpr NSUInteger kChartItemUnset = ~NSUInteger{0};

/// True for a maximum the value scan replaces: any value below 0.
bool isChartMaxValueUnset(CGFloat maxValue);
/// True when both ends print as "-1.01" with two decimals; one marker alone is an explicit index.
bool isChartRegionXUnset(CGFloat xStart, CGFloat xEnd);
/// True when both coordinates print as "-111.11" with two decimals.
bool isChartPieCenterUnset(CGPoint center);

}  // namespace tarnavel
