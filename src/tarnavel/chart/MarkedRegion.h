#pragma once

#include <memory>

#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// The plain settings of a marked region, with the defaults every new region has.
struct markedRegionSettings {
  CGFloat yBottom = 0;
  CGFloat yTop = 0;
  /// Last item index; `kChartUnsetRegionX` together with `xStart` means every item.
  CGFloat xEnd = kChartUnsetRegionX;
  /// First item index; `kChartUnsetRegionX` together with `xEnd` means every item.
  CGFloat xStart = kChartUnsetRegionX;
  /// `ChartVerticalLocation` of `Title`.
  NSUInteger titleVerticalLocation = 0;
  /// `ChartHorizontalLocation` of `Title`.
  NSUInteger titleHorizontalLocation = 0;

  friend bool operator==(const markedRegionSettings&, const markedRegionSettings&) = default;
};

/// A highlighted band of the plot: values `yBottom`..`yTop` across item indexes `xStart`..`xEnd`, with a
/// title placed inside it. Drawing writes the normalised bounds back into the four values.
///
/// Its style defaults: no background colour, white foreground, layout style 1, a linear gradient (style 0)
/// in direction 2 of translucent red (0.9, 0.01, 0.01, 0.2) at both ends, and the shared rest of
/// `ChartStyle`.
class markedRegion : public UIView, public ChartStyle, public markedRegionSettings {
 public:
  /// initWithFrame:
  explicit markedRegion(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit markedRegion(const NSCoder& coder);

  /// Region title, made with a zero frame.
  std::shared_ptr<UILabel> Title;

 private:
  void baseInit();
};

}  // namespace tarnavel
