#pragma once

#include <memory>

#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// The legend zone of a chart (`UIChart::legendZone`): the entries' container, filled like any styled box,
/// with a title placed beside or over it.
class legendArea : public UIView, public ChartStyle {
 public:
  /// initWithFrame:
  explicit legendArea(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit legendArea(const NSCoder& coder);

  /// Zone title, made with frame (0, 0, 200, 20).
  std::shared_ptr<UILabel> Title;
  /// The host's value; nothing in the chart reads it.
  CGFloat value = 0;
  /// `ChartVerticalLocation` of `Title`.
  NSUInteger titleVerticalLocation = 0;
  /// `ChartHorizontalLocation` of `Title`.
  NSUInteger titleHorizontalLocation = 0;

 private:
  void baseInit();
};

}  // namespace tarnavel
