#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/geometry/CGPath.h"
#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// How the inside of a shape is decided when it is filled.
enum class CAFillRule { NonZero, EvenOdd };

// The toolkit's cap, join and fill-rule names. The toolkit spells them as string constants; here they are
// values of the drawing context's enumerations, so a misspelt name cannot reach a layer.
inline constexpr CGLineCap kCALineCapButt = CGLineCap::Butt;
inline constexpr CGLineCap kCALineCapRound = CGLineCap::Round;
inline constexpr CGLineCap kCALineCapSquare = CGLineCap::Square;
inline constexpr CGLineJoin kCALineJoinMiter = CGLineJoin::Miter;
inline constexpr CGLineJoin kCALineJoinRound = CGLineJoin::Round;
inline constexpr CGLineJoin kCALineJoinBevel = CGLineJoin::Bevel;
inline constexpr CAFillRule kCAFillRuleNonZero = CAFillRule::NonZero;
inline constexpr CAFillRule kCAFillRuleEvenOdd = CAFillRule::EvenOdd;

/// A layer that draws a path in its bounds coordinates: filled first, then stroked over the fill. A null
/// fill or stroke colour draws no fill or no stroke; a null path draws nothing.
class CAShapeLayer : public CALayer {
 public:
  CAShapeLayer() = default;
  static std::shared_ptr<CAShapeLayer> layer() { return std::make_shared<CAShapeLayer>(); }

  CGPathRef path;
  /// Opaque black until set.
  CGColorRef fillColor = defaultFillColor();
  /// None until set.
  CGColorRef strokeColor;
  CAFillRule fillRule = kCAFillRuleNonZero;
  CGFloat lineWidth = 1;
  CGLineCap lineCap = kCALineCapButt;
  CGLineJoin lineJoin = kCALineJoinMiter;
  CGFloat miterLimit = 10;
  /// Lengths of painted and unpainted dash pieces, alternately; empty strokes a solid line.
  std::vector<CGFloat> lineDashPattern;
  CGFloat lineDashPhase = 0;
  /// The part of the path that is stroked, as fractions of its length (the fill always takes the whole).
  CGFloat strokeStart = 0;
  CGFloat strokeEnd = 1;

  void drawInContext(CGContext& context) const override;
  /// The stroke alone, without the fill: how the renderer draws a shape that also serves as a mask where it
  /// stands among its siblings (Renderer.h).
  void drawStroke(CGContext& context) const;

 protected:
  CAShapeLayer(const CAShapeLayer&) = default;
  std::shared_ptr<CALayer> copyProperties() const override;

 private:
  static CGColorRef defaultFillColor();
};

}  // namespace tarnavel
