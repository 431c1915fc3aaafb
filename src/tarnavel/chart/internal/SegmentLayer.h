#pragma once

#include <memory>

#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {

/// An open path of one straight piece from `from` to `to`.
CGPathRef segmentPath(CGPoint from, CGPoint to);

/// A shape layer that strokes one straight segment with butt caps: a hatch line or a grid line. A null
/// colour strokes nothing. The layer gets no frame: its path is in its parent's coordinates.
std::shared_ptr<CAShapeLayer> makeSegmentLayer(CGPoint from, CGPoint to, CGFloat lineWidth,
                                               const std::shared_ptr<UIColor>& color);

/// The single-line size of a label's text in its font; (0, 0) for a null label or text.
inline CGSize textSizeOf(const UILabel* label) {
  return label ? sizeWithFont(label->text(), label->font()) : CGSize{};
}

}  // namespace tarnavel
