#pragma once

#include <array>
#include <memory>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

enum class CGColorSpaceModel { Monochrome, RGB };

/// A layer colour: components in a colour space, gray + alpha (2) or red, green, blue + alpha (4).
class CGColor {
 public:
  CGColor(CGColorSpaceModel space, std::vector<CGFloat> components);

  CGColorSpaceModel colorSpace() const { return space_; }
  const std::vector<CGFloat>& components() const { return components_; }
  /// The colour brought to red, green, blue and alpha, whatever its space.
  std::array<CGFloat, 4> rgba() const;

 private:
  CGColorSpaceModel space_;
  std::vector<CGFloat> components_;
};

using CGColorRef = std::shared_ptr<const CGColor>;

std::size_t CGColorGetNumberOfComponents(const CGColorRef& color);
/// The components, or null for a null colour.
const CGFloat* CGColorGetComponents(const CGColorRef& color);
CGColorSpaceModel CGColorGetColorSpace(const CGColorRef& color);
bool CGColorEqualToColor(const CGColorRef& a, const CGColorRef& b);

/// A colour object. The named colours are shared objects, so that a colour can be compared by identity with
/// `clearColor()`; every other constructor makes a new object.
class UIColor {
 public:
  UIColor(CGColorSpaceModel space, std::vector<CGFloat> components);

  static const std::shared_ptr<UIColor>& clearColor();
  static const std::shared_ptr<UIColor>& blackColor();
  static const std::shared_ptr<UIColor>& whiteColor();
  static const std::shared_ptr<UIColor>& grayColor();
  static const std::shared_ptr<UIColor>& lightGrayColor();
  static const std::shared_ptr<UIColor>& darkGrayColor();

  static std::shared_ptr<UIColor> colorWithRed(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha);
  /// A colour object with the layer colour's space and components; null for a null colour.
  static std::shared_ptr<UIColor> colorWithCGColor(const CGColorRef& color);
  static std::shared_ptr<UIColor> colorWithWhite(CGFloat white, CGFloat alpha);
  /// Hue, saturation and brightness in [0, 1] (each brought into that range); stored as the equivalent RGB
  /// colour.
  static std::shared_ptr<UIColor> colorWithHue(CGFloat hue, CGFloat saturation, CGFloat brightness,
                                               CGFloat alpha);

  /// The layer colour of this object: the same handle on every call.
  const CGColorRef& CGColor() const { return cgColor_; }
  std::array<CGFloat, 4> rgba() const { return cgColor_->rgba(); }

 private:
  CGColorRef cgColor_;
};

}  // namespace tarnavel
