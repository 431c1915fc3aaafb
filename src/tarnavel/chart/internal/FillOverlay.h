#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

class CAGradientLayer;
class ChartBindRecord;
class QnGradientLayer;
class UIView;
struct ChartStyle;

/// Where the layers of a fill overlay lie in its target's coordinates.
struct FillOverlayGeometry {
  /// The gradient layer's frame.
  CGRect gradientFrame;
  /// The rectangle whose middle three fifths the inset's inner gradient covers.
  CGRect insetBase;
  /// The ten-hue layer's frame.
  CGRect rainbowFrame;
  /// The box the hatch lines cross, from (0, 0).
  CGSize hatchSize;
};

/// A box's overlay over itself: the gradient, the inset and the hatch over its bounds, the rainbow over
/// (0, 0) and its frame's size.
FillOverlayGeometry fillOverlayGeometryOf(const UIView& box);

/// The layer colours of the four gradient colours in order, ending before the first that is null.
std::vector<CGColorRef> gradientColorsOf(const ChartStyle& style);
/// A gradient layer with the style's gradient style, colours, locations, direction and radius; no frame.
std::shared_ptr<QnGradientLayer> makeStyleGradientLayer(const ChartStyle& style);
/// The inner layer of the inset gradient: `gradient`'s colours and locations over the middle three fifths of
/// `base`.
std::shared_ptr<CAGradientLayer> makeInsetGradientLayer(const QnGradientLayer& gradient, CGRect base);
/// Ten hues, a tenth of the circle apart, at brightness and alpha 0.8; its axis by `direction` (diagonal,
/// anti-diagonal or horizontal; any other direction keeps the layer's default top-to-bottom axis).
std::shared_ptr<CAGradientLayer> makeRainbowGradientLayer(NSUInteger direction, CGRect frame);

/// Appends one stroked segment layer per hatch line of a box of `size` to `target`: the style's step, line
/// width and foreground colour, butt caps. Returns the appended layers in order.
std::vector<std::shared_ptr<CALayer>> addHatchLines(const ChartStyle& style, CGSize size,
                                                    const std::shared_ptr<CALayer>& target,
                                                    ChartBindRecord& record);

/// Appends to `target` the overlay that the style's `layoutStyle` selects: 1 a gradient (the gradient
/// layer; for the inset style that layer drawn linear plus an inner plain gradient; for the rainbow style
/// only a ten-hue layer), 2 hatch lines, 3 the named image as the target's contents (none when no image has
/// that name); any other style adds nothing. Returns the appended layers in order.
std::vector<std::shared_ptr<CALayer>> addFillOverlay(const ChartStyle& style,
                                                     const FillOverlayGeometry& geometry,
                                                     const std::shared_ptr<CALayer>& target,
                                                     ChartBindRecord& record);
/// The overlay of a box view on its own layer, by its own geometry.
std::vector<std::shared_ptr<CALayer>> addFillOverlay(UIView& box, const ChartStyle& style,
                                                     ChartBindRecord& record);

}  // namespace tarnavel
