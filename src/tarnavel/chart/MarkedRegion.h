#pragma once

#include <memory>

#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// A highlighted band of the plot: values `yBottom`..`yTop` across item indexes `xStart`..`xEnd`, with a
/// title placed inside it. Drawing writes the normalised bounds back into the four values.
class markedRegion : public UIView, public ChartStyle {
 public:
  /// initWithFrame:
  explicit markedRegion(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit markedRegion(const NSCoder& coder);

  /// Region title, made with a zero frame.
  std::shared_ptr<UILabel> Title;
  CGFloat yBottom = 0;
  CGFloat yTop = 0;
  /// Last item index; `kChartUnsetRegionX` together with `xStart` means every item.
  CGFloat xEnd = 0;
  /// First item index; `kChartUnsetRegionX` together with `xEnd` means every item.
  CGFloat xStart = 0;
  /// `ChartVerticalLocation` of `Title`.
  NSUInteger titleVerticalLocation = 0;
  /// `ChartHorizontalLocation` of `Title`.
  NSUInteger titleHorizontalLocation = 0;

 private:
  void baseInit();
};

}  // namespace tarnavel
