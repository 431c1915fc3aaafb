#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// One data value. The item view itself becomes the bar or cylinder when drawn, a 0.1 x 0.1 view at the
/// data point of a line or area, or the carrier of a pie wedge's angles.
class ChartItem : public UIView, public ChartStyle {
 public:
  /// initWithFrame:
  explicit ChartItem(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit ChartItem(const NSCoder& coder);

  /// Value label, made with frame (0, 0, 200, 20).
  std::shared_ptr<UILabel> Title;
  CGFloat value = 0;
  /// `ChartVerticalLocation` of `Title`; `kChartItemUnset` until a drawer writes its own default back.
  NSUInteger titleVerticalLocation = 0;
  /// `ChartHorizontalLocation` of `Title`; `kChartItemUnset` until a drawer writes its own default back.
  NSUInteger titleHorizontalLocation = 0;
  CGFloat titleXshift = 0;
  /// Added to the title's y, negated for a negative value.
  CGFloat titleYshift = 0;
  /// Category label.
  std::shared_ptr<UILabel> xAxisLabel;
  /// Point-marker view of the line drawer.
  std::shared_ptr<UIView> point;
  /// `ChartPointType`.
  NSUInteger pointType = 0;
  CGFloat pointWidth = 0;
  CGFloat pointStrokeLineWidth = 0;
  std::shared_ptr<UIColor> pointFillColor;
  std::shared_ptr<UIColor> pointStrokeLineColor;
  std::optional<std::string> pointImageName;

 private:
  void baseInit();
};

}  // namespace tarnavel
