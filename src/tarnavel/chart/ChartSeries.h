#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

class CAShapeLayer;
class ChartItem;

/// One data series: its items in category order, the style template of the layers the shape drawers make
/// for its items, and the pie settings. The chart never adds a series view to a view tree.
class ChartSeries : public UIView {
 public:
  /// initWithFrame:
  explicit ChartSeries(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit ChartSeries(const NSCoder& coder);

  /// The host's identifier; nothing in the chart reads it.
  NSInteger ID = 0;
  /// The values, in category order.
  std::vector<std::shared_ptr<ChartItem>> Items;
  /// Style template copied onto each per-item layer of the pie, cylinder, line and area drawers.
  std::shared_ptr<CAShapeLayer> shape;
  /// A squashed pie with a wall.
  bool pie3D = false;
  /// Wall thickness in points.
  NSInteger pie3DHeight = 0;
  /// Pie centre in plot coordinates; `kChartUnsetPieCenter` in both coordinates means computed.
  CGPoint pieCenter;
  /// Pie radius; 0 or below means computed.
  CGFloat pieRadius = 0;
  /// Start angle of the first wedge, in degrees.
  NSUInteger pieStarts = 0;

 private:
  void baseInit();
};

}  // namespace tarnavel
