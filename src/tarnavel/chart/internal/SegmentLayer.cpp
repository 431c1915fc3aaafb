#include "tarnavel/chart/internal/SegmentLayer.h"

namespace tarnavel {

CGPathRef segmentPath(CGPoint from, CGPoint to) {
  const CGMutablePathRef path = CGPathCreateMutable();
  CGPathMoveToPoint(path, nullptr, from.x, from.y);
  CGPathAddLineToPoint(path, nullptr, to.x, to.y);
  return path;
}

std::shared_ptr<CAShapeLayer> makeSegmentLayer(CGPoint from, CGPoint to, CGFloat lineWidth,
                                               const std::shared_ptr<UIColor>& color) {
  auto line = CAShapeLayer::layer();
  line->lineWidth = lineWidth;
  line->lineCap = kCALineCapButt;
  line->strokeColor = color ? color->CGColor() : nullptr;
  line->path = segmentPath(from, to);
  return line;
}

}  // namespace tarnavel
