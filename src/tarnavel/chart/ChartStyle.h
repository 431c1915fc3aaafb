#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"

namespace tarnavel {

/// The styling of a box the chart fills: the chart itself, a bar item, a marked region and the legend zone.
/// The fill overlay reads these from the box it decorates; `ID`, `textColor` and `font` are the host's own
/// and read by nothing in the chart. The initialisers below are the defaults all four boxes share; the
/// colours, the layout style and the gradient style and direction are set by each box class when it is
/// made, as its header says.
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
  CGFloat gradientRadius = 155.0;
  /// Gradient stops (numbers in [0, 1]), one per colour: two whole ends and two fractional middles, as
  /// numbers that remember their kind. Assigning copies the list.
  std::vector<Value> gradientLocations{Value(0), Value(0.5), Value(0.5), Value(1)};
  /// Spacing of hatch lines.
  CGFloat hatchLineStepHeight = 5.0;
  /// Width of hatch lines; in the chart also the base width of the grid lines.
  CGFloat hatchLineWidth = 0.2;
  /// Name of the image of the image overlay.
  std::optional<std::string> backgroundImageName = "";
};

}  // namespace tarnavel
