#pragma once

#include <memory>
#include <vector>

#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

class CAShapeLayer;
class ChartItem;

/// The plain settings of a series, with the defaults every new series has.
struct ChartSeriesSettings {
  /// The host's identifier; nothing in the chart reads it.
  NSInteger ID = 0;
  /// A squashed pie with a wall.
  bool pie3D = true;
  /// Wall thickness in points.
  NSInteger pie3DHeight = 15;
  /// Pie centre in plot coordinates; `kChartUnsetPieCenter` in both coordinates means computed.
  CGPoint pieCenter{kChartUnsetPieCenter, kChartUnsetPieCenter};
  /// Pie radius; 0 or below means computed.
  CGFloat pieRadius = -1.0;
  /// Start angle of the first wedge, in degrees.
  NSUInteger pieStarts = 270;

  friend bool operator==(const ChartSeriesSettings&, const ChartSeriesSettings&) = default;
};

/// One data series: its items in category order, the style template of the layers the shape drawers make
/// for its items, and the pie settings. The chart never adds a series view to a view tree. A new series
/// has a clear background.
class ChartSeries : public UIView, public ChartSeriesSettings {
 public:
  /// initWithFrame:
  explicit ChartSeries(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit ChartSeries(const NSCoder& coder);

  /// The values, in category order.
  std::vector<std::shared_ptr<ChartItem>> Items;
  /// Style template copied onto each per-item layer of the pie, cylinder, line and area drawers; a new
  /// series has a shape layer of its own.
  std::shared_ptr<CAShapeLayer> shape;

 private:
  void baseInit();
};

}  // namespace tarnavel
