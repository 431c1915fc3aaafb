#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// A path of straight lines and cubic curves; arcs, ellipses and rounded rectangles are stored as curves so
/// that every drawing backend only needs these four elements.
class CGPath {
 public:
  enum class ElementType { MoveTo, LineTo, CurveTo, Close };
  struct Element {
    ElementType type;
    CGPoint points[3];  // MoveTo and LineTo use points[0]; CurveTo uses control 1, control 2, end.
  };

  void moveTo(CGPoint p);
  void lineTo(CGPoint p);
  void curveTo(CGPoint control1, CGPoint control2, CGPoint end);
  void closeSubpath();
  void addRect(CGRect rect);
  void addEllipseInRect(CGRect rect);
  void addRoundedRect(CGRect rect, CGFloat cornerRadius);
  /// An arc around `center` from `startAngle` to `endAngle` (radians, y down, so positive angles turn
  /// clockwise on screen). `clockwise` as the toolkit's path call takes it; joins the current point by a
  /// line.
  void addArc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise);
  void addPath(const CGPath& other);

  const std::vector<Element>& elements() const { return elements_; }
  bool isEmpty() const { return elements_.empty(); }
  CGPoint currentPoint() const { return current_; }
  /// The box of every point of the path, control points included; CGRectZero for an empty path.
  CGRect boundingBox() const;
  /// The same path with every point mapped.
  CGPath transformed(const CGAffineTransform& t) const;
  friend bool operator==(const CGPath& a, const CGPath& b);

 private:
  std::vector<Element> elements_;
  CGPoint current_;
  CGPoint subpathStart_;
};

bool operator==(const CGPath::Element& a, const CGPath::Element& b);

using CGPathRef = std::shared_ptr<const CGPath>;
using CGMutablePathRef = std::shared_ptr<CGPath>;

// The toolkit's path calls, for code that reads like the drawing it describes.
inline CGMutablePathRef CGPathCreateMutable() {
  return std::make_shared<CGPath>();
}
inline void CGPathMoveToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x,
                              CGFloat y) {
  path->moveTo(m ? CGPointApplyAffineTransform({x, y}, *m) : CGPoint{x, y});
}
inline void CGPathAddLineToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x,
                                 CGFloat y) {
  path->lineTo(m ? CGPointApplyAffineTransform({x, y}, *m) : CGPoint{x, y});
}

}  // namespace tarnavel
