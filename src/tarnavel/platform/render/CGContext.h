#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tarnavel/platform/geometry/CGPath.h"
#include "tarnavel/platform/geometry/Geometry.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {

enum class CGLineCap { Butt, Round, Square };
enum class CGLineJoin { Miter, Round, Bevel };

/// How a path is stroked.
struct CGStrokeStyle {
  CGColorRef color;
  CGFloat lineWidth = 1;
  CGLineCap lineCap = CGLineCap::Butt;
  CGLineJoin lineJoin = CGLineJoin::Miter;
  CGFloat miterLimit = 10;
  std::vector<CGFloat> dashPattern;
  CGFloat dashPhase = 0;
};

/// Colour stops of a gradient, each colour brought to red, green, blue and alpha.
struct CGGradient {
  struct Stop {
    CGFloat location;
    std::array<CGFloat, 4> rgba;
  };
  std::vector<Stop> stops;
};

/// Gradient drawing options: extend the first colour before the start, the last after the end.
using CGGradientDrawingOptions = unsigned;
inline constexpr CGGradientDrawingOptions kCGGradientDrawsBeforeStartLocation = 1;
inline constexpr CGGradientDrawingOptions kCGGradientDrawsAfterEndLocation = 2;

/// Horizontal text alignment, with the toolkit's values.
enum class NSTextAlignment : long { Left = 0, Center = 1, Right = 2, Justified = 3, Natural = 4 };

/// A line of text to draw: vertically centred in `rect`, placed across by `alignment`, cut with an ellipsis
/// when it is wider than the rect and `maxLines` is 1 (0 wraps on as many lines as the text needs).
struct CGTextRun {
  std::string text;
  std::shared_ptr<UIFont> font;
  CGColorRef color;
  CGRect rect;
  NSTextAlignment alignment = NSTextAlignment::Natural;
  int maxLines = 1;
};

/// A drawing surface. The renderer draws every tree through this interface; Cairo backs it for files and
/// pixels, and a recording backend keeps the calls for tests to read back.
class CGContext {
 public:
  virtual ~CGContext() = default;

  virtual void saveGState() = 0;
  virtual void restoreGState() = 0;
  /// Maps later drawing through `transform` first, then through the current transform.
  virtual void concatCTM(const CGAffineTransform& transform) = 0;
  virtual void clipToPath(const CGPath& path) = 0;

  virtual void fillPath(const CGPath& path, const CGColorRef& color, bool evenOdd = false) = 0;
  virtual void strokePath(const CGPath& path, const CGStrokeStyle& style) = 0;
  /// Draws the image scaled into `rect`.
  virtual void drawImage(const CGImage& image, CGRect rect) = 0;
  virtual void drawText(const CGTextRun& run) = 0;
  /// Fills the current clip with a gradient along start-end.
  virtual void drawLinearGradient(const CGGradient& gradient, CGPoint start, CGPoint end,
                                  CGGradientDrawingOptions options) = 0;
  /// Fills the current clip with a gradient between two circles.
  virtual void drawRadialGradient(const CGGradient& gradient, CGPoint startCenter, CGFloat startRadius,
                                  CGPoint endCenter, CGFloat endRadius, CGGradientDrawingOptions options) = 0;

  /// Starts drawing into an offscreen group.
  virtual void beginGroup() = 0;
  /// Ends the innermost group and paints it with `alpha`.
  virtual void endGroup(CGFloat alpha) = 0;
  /// Ends the two innermost groups: the inner one is the mask, whose alpha masks the outer one.
  virtual void endGroupWithMask() = 0;
};

}  // namespace tarnavel
