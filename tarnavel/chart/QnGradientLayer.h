#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/CALayer.h"
#include "tarnavel/platform/Value.h"

namespace tarnavel {

/// The names of the gradient layer's five animatable properties, in this order: "gradientDirection",
/// "gradientRadius", "colors", "locations", "gradientStyle".
extern const char* const QnGradientLayerProperties[5];

/// The layer that paints the chart's gradient fills: linear along one of four directions, radial from the
/// centre, or crossed (two linear passes).
class QnGradientLayer : public CALayer {
 public:
  static std::shared_ptr<QnGradientLayer> layer() { return std::make_shared<QnGradientLayer>(); }

  /// `ChartGradientStyle`: 0 linear, 1 radial, 2 crossed, 3 like 0; any other value draws nothing.
  NSUInteger gradientStyle() const { return gradientStyle_; }
  void setGradientStyle(NSUInteger style) { gradientStyle_ = style; }
  /// `ChartGradientDirection`: the axis of the linear passes.
  NSUInteger gradientDirection() const { return gradientDirection_; }
  void setGradientDirection(NSUInteger direction) { gradientDirection_ = direction; }
  /// End radius of the radial gradient.
  CGFloat gradientRadius() const { return gradientRadius_; }
  void setGradientRadius(CGFloat radius) { gradientRadius_ = radius; }
  /// The gradient colours, in order.
  std::vector<CGColorRef> colors() const { return colors_; }
  void setColors(std::vector<CGColorRef> colors) { colors_ = std::move(colors); }
  /// The gradient stops in [0, 1] (numbers), one per colour.
  std::vector<Value> locations() const { return locations_; }
  void setLocations(std::vector<Value> locations) { locations_ = std::move(locations); }

 private:
  NSUInteger gradientStyle_ = 0;
  NSUInteger gradientDirection_ = 0;
  CGFloat gradientRadius_ = 0;
  std::vector<CGColorRef> colors_;
  std::vector<Value> locations_;
};

}  // namespace tarnavel
