#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

/// The names of the gradient layer's five animatable properties, in this order: "gradientDirection",
/// "gradientRadius", "colors", "locations", "gradientStyle".
extern const char* const QnGradientLayerProperties[5];

/// The layer that paints the chart's gradient fills: linear along one of four directions, radial from the
/// centre, or crossed (two linear passes). Its five properties live in the layer's key-value storage, so
/// setting one marks the layer for redrawing and, on screen, animates from the value displayed.
class QnGradientLayer : public CALayer {
 public:
  QnGradientLayer() = default;
  static std::shared_ptr<QnGradientLayer> layer() { return std::make_shared<QnGradientLayer>(); }

  /// `ChartGradientStyle`: 0 linear, 1 radial, 2 crossed, 3 like 0; any other value draws nothing.
  NSUInteger gradientStyle() const;
  void setGradientStyle(NSUInteger style);
  /// `ChartGradientDirection`: the axis of the linear passes; a value above 3 draws like 0.
  NSUInteger gradientDirection() const;
  void setGradientDirection(NSUInteger direction);
  /// End radius of the radial gradient.
  CGFloat gradientRadius() const;
  void setGradientRadius(CGFloat radius);
  /// The gradient colours, in order.
  std::vector<CGColorRef> colors() const;
  void setColors(std::vector<CGColorRef> colors);
  /// The gradient stops in [0, 1] (numbers), one per colour.
  std::vector<Value> locations() const;
  void setLocations(std::vector<Value> locations);

  bool needsDisplayForKey(std::string_view key) const override;
  /// For the five properties: a basic animation of the key from the value on screen.
  std::shared_ptr<CABasicAnimation> actionForKey(std::string_view key) const override;
  /// Paints the gradient over the layer's frame size, with the first min(colours, stops) colours each at
  /// its stop; nothing when either list is empty.
  void drawInContext(CGContext& context) const override;

 protected:
  QnGradientLayer(const QnGradientLayer&) = default;
  std::shared_ptr<CALayer> copyProperties() const override;
};

}  // namespace tarnavel
