#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// A layer that fills its bounds with an axial gradient. The start and end points are in unit coordinates
/// of the bounds ((0, 0) the top left corner, (1, 1) the bottom right); the colours continue beyond them.
class CAGradientLayer : public CALayer {
 public:
  CAGradientLayer() = default;
  static std::shared_ptr<CAGradientLayer> layer() { return std::make_shared<CAGradientLayer>(); }

  std::vector<CGColorRef> colors;
  /// One stop in [0, 1] per colour. Absent, the colours are spread evenly from 0 to 1; given, only the
  /// first min(colour count, location count) colours are drawn, each at its stop.
  std::optional<std::vector<CGFloat>> locations;
  CGPoint startPoint{0.5, 0};
  CGPoint endPoint{0.5, 1};

  /// The colour stops that `colors` and `locations` make (null colours count as transparent).
  CGGradient gradient() const;
  void drawInContext(CGContext& context) const override;

 protected:
  CAGradientLayer(const CAGradientLayer&) = default;
  std::shared_ptr<CALayer> copyProperties() const override;
};

}  // namespace tarnavel
