#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// The plain settings of an item, with the defaults every new item has.
struct ChartItemSettings {
  CGFloat value = 0;
  /// `ChartVerticalLocation` of `Title`; `kChartItemUnset` until a drawer writes its own default back.
  NSUInteger titleVerticalLocation = kChartItemUnset;
  /// `ChartHorizontalLocation` of `Title`; `kChartItemUnset` until a drawer writes its own default back.
  NSUInteger titleHorizontalLocation = kChartItemUnset;
  CGFloat titleXshift = 0;
  /// Added to the title's y, negated for a negative value.
  CGFloat titleYshift = 0;
  /// `ChartPointType`.
  NSUInteger pointType = 1;
  /// Marker side; below 0 takes the drawer's default.
  CGFloat pointWidth = -1.0;
  CGFloat pointStrokeLineWidth = 0.2;
  std::optional<std::string> pointImageName = "";

  friend bool operator==(const ChartItemSettings&, const ChartItemSettings&) = default;
};

/// One data value. The item view itself becomes the bar or cylinder when drawn, a 0.1 x 0.1 view at the
/// data point of a line or area, or the carrier of a pie wedge's angles.
///
/// Its style defaults: no background colour, white foreground, layout style `kChartItemUnset`, a linear
/// gradient (style 0) in direction 2 from translucent red to translucent blue, and the shared rest of
/// `ChartStyle`.
class ChartItem : public UIView, public ChartStyle, public ChartItemSettings {
 public:
  /// initWithFrame:
  explicit ChartItem(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit ChartItem(const NSCoder& coder);

  /// Value label, made with frame (0, 0, 200, 20).
  std::shared_ptr<UILabel> Title;
  /// Category label.
  std::shared_ptr<UILabel> xAxisLabel;
  /// Point-marker view of the line drawer.
  std::shared_ptr<UIView> point;
  /// Translucent red (1, 0, 0, 0.5) in a new item.
  std::shared_ptr<UIColor> pointFillColor;
  /// Blue (0, 0, 1, 1) in a new item.
  std::shared_ptr<UIColor> pointStrokeLineColor;

 private:
  void baseInit();
};

}  // namespace tarnavel
