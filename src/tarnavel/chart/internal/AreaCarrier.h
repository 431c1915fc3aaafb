#pragma once

#include <memory>

#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

class ChartBindRecord;
struct ChartStyle;

/// The plot-sized layer that carries an area band's fill, to be masked by the band, chosen by the item's
/// `layoutStyle`: 1 a gradient (the inset style with its inner gradient inside the carrier, the rainbow
/// style as ten hues), 2 hatch lines over `boundsSize` on a clear layer, 3 the named image as the layer's
/// contents, any other style a plain layer of `plainFill`. The carrier's frame is (0, 0, `frameSize`).
std::shared_ptr<CALayer> makeAreaCarrier(const ChartStyle& style, CGSize frameSize, CGSize boundsSize,
                                         const CGColorRef& plainFill, ChartBindRecord& record);

}  // namespace tarnavel
