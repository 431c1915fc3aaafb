#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

/// The styling of a box the chart fills: the chart itself, a bar item, a marked region and the legend zone.
/// The fill overlay reads these from the box it decorates; `ID`, `textColor` and `font` are the host's own
/// and read by nothing in the chart. Each box class gives them its own defaults when it is made.
struct ChartStyle {
  NSInteger ID = 0;
  /// Stroke colour of hatch lines; in the chart also of the grid lines.
  std::shared_ptr<UIColor> foregroundColor;
  std::shared_ptr<UIColor> textColor;
  std::shared_ptr<UIFont> font;
  /// `ChartLayoutStyle`: which overlay the box gets.
  NSUInteger layoutStyle = 0;
  /// `ChartGradientStyle`.
  NSUInteger gradientStyle = 0;
  /// `ChartGradientDirection`.
  NSUInteger gradientDirection = 0;
  std::shared_ptr<UIColor> gradientColorTop;
  std::shared_ptr<UIColor> gradientColorTopExtra;
  std::shared_ptr<UIColor> gradientColorBottom;
  std::shared_ptr<UIColor> gradientColorBottomExtra;
  /// End radius of the radial gradient.
  CGFloat gradientRadius = 0;
  /// Gradient stops (numbers in [0, 1]), one per colour. Assigning copies the list.
  std::vector<Value> gradientLocations;
  /// Spacing of hatch lines.
  CGFloat hatchLineStepHeight = 0;
  /// Width of hatch lines; in the chart also the base width of the grid lines.
  CGFloat hatchLineWidth = 0;
  /// Name of the image of the image overlay.
  std::optional<std::string> backgroundImageName;
};

}  // namespace tarnavel
