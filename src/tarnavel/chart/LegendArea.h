#pragma once

#include <memory>

#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// The plain settings of a legend zone, with the defaults every new zone has.
struct legendAreaSettings {
  /// The host's value; nothing in the chart reads it.
  CGFloat value = 0;
  /// `ChartVerticalLocation` of `Title`.
  NSUInteger titleVerticalLocation = 0;
  /// `ChartHorizontalLocation` of `Title`.
  NSUInteger titleHorizontalLocation = 0;

  friend bool operator==(const legendAreaSettings&, const legendAreaSettings&) = default;
};

/// The legend zone of a chart (`UIChart::legendZone`): the entries' container, filled like any styled box,
/// with a title placed beside or over it.
///
/// Its style defaults: no background colour, white foreground, layout style 1, a linear gradient (style 0)
/// in direction 2 from translucent red to translucent blue, and the shared rest of `ChartStyle`.
class legendArea : public UIView, public ChartStyle, public legendAreaSettings {
 public:
  /// initWithFrame:
  explicit legendArea(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit legendArea(const NSCoder& coder);

  /// Zone title, made with frame (0, 0, 200, 20).
  std::shared_ptr<UILabel> Title;

 private:
  void baseInit();
};

}  // namespace tarnavel
