#pragma once

#include <memory>

#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

class ChartBindRecord;
class UIView;
struct ChartStyle;

/// A shape's fill overlay spread over the whole plot area: the overlay of the style's `layoutStyle`
/// (gradient, hatch lines or image, laid out as on a box the plot area's size) in a layer at (0, 0) of the
/// plot area's frame size, masked by a copy of `shape`, so that only the shape shows it. The copy, not the
/// shape, is the mask: a sublayer that is also a mask draws only its outline, and the shape (a wedge, a
/// cylinder's top) keeps its own fill under the overlay. Null for a style without an overlay.
std::shared_ptr<CALayer> makePlotOverlay(const ChartStyle& style, const UIView& plotArea,
                                         const CALayer& shape, ChartBindRecord& record);

}  // namespace tarnavel
