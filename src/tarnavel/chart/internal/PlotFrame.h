#pragma once

#include <cstddef>
#include <memory>

#include "tarnavel/chart/internal/ValueScale.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

class ChartItem;
class UIChart;

/// How a drawer places an item's value title from the item's frame.
enum class ValueTitleRule {
  /// Just outside the value end of a bar (bars, stacked bars, cylinders).
  Bar,
  /// Around a line chart's marker, kept half the marker's width away from it.
  Point,
  /// Around an area chart's data point.
  Area,
};

/// What the cartesian drawers do differently around their marks.
struct PlotFrameOptions {
  /// Replace the bind's value range by the sums of the series' extremes first (stacked drawers).
  bool stackedRange = false;
  /// Store an `itemBreadth` outside [0, 1] back as 0.5 (drawers whose marks have a breadth).
  bool checkItemBreadth = false;
  ValueTitleRule valueTitleRule = ValueTitleRule::Bar;
  /// Moves the category labels further away from the plot (the cylinders: a quarter of their breadth).
  /// Set by the drawer once it knows its mark breadth, before the labels are drawn.
  CGFloat categoryLabelOffset = 0;

  static PlotFrameOptions bar() { return {false, true, ValueTitleRule::Bar, 0}; }
  static PlotFrameOptions barStacked() { return {true, true, ValueTitleRule::Bar, 0}; }
  static PlotFrameOptions cylinder(bool stacked) { return {stacked, true, ValueTitleRule::Bar, 0}; }
  static PlotFrameOptions line() { return {false, false, ValueTitleRule::Point, 0}; }
  static PlotFrameOptions area(bool stacked) { return {stacked, false, ValueTitleRule::Area, 0}; }
};

/// The plot quantities every cartesian drawer places its marks with, fixed once the plot frame is drawn.
/// Plot coordinates have y growing downwards; a value v lies valueLength(v) from the zero line.
struct PlotGeometry {
  NSUInteger orientation = 0;
  /// M: the chart's `maxValue` after rounding and the symmetric split.
  CGFloat maxValue = 0;
  /// st: the value between two ticks; 0 when the axis has no usable step (then no ticks are drawn).
  CGFloat valueStep = 0;
  /// E: the plot length along the value axis, halved when the range spans both signs.
  CGFloat valueExtent = 0;
  /// f: 2 when the range spans both signs, else 1; valueExtent x extentFactor is the whole plot length.
  CGFloat extentFactor = 1;
  /// sp: the distance between two ticks, valueStep x valueExtent / maxValue.
  CGFloat tickSpacing = 0;
  /// C: the plot length across the value axis.
  CGFloat crossLength = 0;
  /// s/2 and s: half a category slot and a slot; item k's slot runs from s x k to s x (k + 1).
  CGFloat halfSlot = 0;
  CGFloat slot = 0;
  /// PW, PH: the plot area's bounds size.
  CGFloat plotWidth = 0;
  CGFloat plotHeight = 0;
  /// X0, Y0, FH: the plot area's frame origin and height, in the chart's coordinates.
  CGFloat plotX = 0;
  CGFloat plotY = 0;
  CGFloat plotFrameHeight = 0;
  /// T: the title band, the chart title's height plus 5.
  CGFloat titleBand = 5;

  /// True when values map to finite lengths: a positive, finite maximum and a finite extent.
  bool hasValueScale() const;
  /// True when the category slots are finite (series 0 has items).
  bool hasSlots() const;
  /// The signed length of `value` from the zero line, valueExtent x value / maxValue; 0 when that is not a
  /// finite number (no value scale, or a value that is not finite).
  CGFloat valueLength(CGFloat value) const;
  /// The length of a value span as the regions measure it, span x tickSpacing / valueStep (span x
  /// valueExtent / maxValue when the axis has no step); 0 without a value scale.
  CGFloat regionLength(CGFloat span) const;
  /// The centre line of category k: halfSlot + slot x k.
  CGFloat slotCentre(std::size_t k) const;
};

/// The stacked drawers' value range: the chart's ends fitted to the sums of each series' largest and most
/// negative values, the item count and both range flags set again. Raises NSRangeException when the chart
/// has no series.
void computeStackedRange(UIChart& chart);

/// The scale rounding and the symmetric split, storing both ends back into the chart: the part of the plot
/// frame the pie takes too. Returns the scale the ticks follow: that of the larger side of a range that spans
/// both signs.
ValueScale fitValueScale(UIChart& chart);

/// The frame around a cartesian drawer's marks, in order: the stacked range when asked for, the scale
/// rounding and split, the extents, the value-axis ticks with their labels and grid lines, the two axis
/// titles, the category slots (with the `itemBreadth` check when asked for) and the marked regions.
/// Platform exceptions pass to the drawer, which ends there.
PlotGeometry drawPlotFrame(UIChart& chart, const PlotFrameOptions& options);

/// After the marks: for every item of every series, its value title, the category grid line (series 0)
/// and its category label.
void drawCategoryLabels(UIChart& chart, const PlotGeometry& plot, const PlotFrameOptions& options);
/// The same for one item, series `seriesIndex`, position `itemIndex` (for drawers that place the labels of
/// an item together with its own mark).
void drawCategoryLabelsOfItem(UIChart& chart, const PlotGeometry& plot, const PlotFrameOptions& options,
                              std::size_t seriesIndex, std::size_t itemIndex, ChartItem& item);

}  // namespace tarnavel
