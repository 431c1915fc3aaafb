#include "tarnavel/platform/graphics/UIColor.h"

#include <algorithm>
#include <cmath>

namespace tarnavel {

namespace {

CGFloat clampUnit(CGFloat v) {
  return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0;
}

std::shared_ptr<UIColor> makeGray(CGFloat white, CGFloat alpha) {
  return std::make_shared<UIColor>(CGColorSpaceModel::Monochrome, std::vector<CGFloat>{white, alpha});
}

}  // namespace

CGColor::CGColor(CGColorSpaceModel space, std::vector<CGFloat> components)
    : space_(space), components_(std::move(components)) {
  const std::size_t expected = space_ == CGColorSpaceModel::RGB ? 4 : 2;
  components_.resize(expected, 1.0);
  for (CGFloat& c : components_)
    c = clampUnit(c);
}

std::array<CGFloat, 4> CGColor::rgba() const {
  if (space_ == CGColorSpaceModel::RGB)
    return {components_[0], components_[1], components_[2], components_[3]};
  return {components_[0], components_[0], components_[0], components_[1]};
}

std::size_t CGColorGetNumberOfComponents(const CGColorRef& color) {
  return color ? color->components().size() : 0;
}

const CGFloat* CGColorGetComponents(const CGColorRef& color) {
  return color ? color->components().data() : nullptr;
}

CGColorSpaceModel CGColorGetColorSpace(const CGColorRef& color) {
  return color ? color->colorSpace() : CGColorSpaceModel::RGB;
}

bool CGColorEqualToColor(const CGColorRef& a, const CGColorRef& b) {
  if (!a || !b) return a == b;
  return a->colorSpace() == b->colorSpace() && a->components() == b->components();
}

UIColor::UIColor(CGColorSpaceModel space, std::vector<CGFloat> components)
    : cgColor_(std::make_shared<const class CGColor>(space, std::move(components))) {}

const std::shared_ptr<UIColor>& UIColor::clearColor() {
  static const auto color = makeGray(0, 0);
  return color;
}
const std::shared_ptr<UIColor>& UIColor::blackColor() {
  static const auto color = makeGray(0, 1);
  return color;
}
const std::shared_ptr<UIColor>& UIColor::whiteColor() {
  static const auto color = makeGray(1, 1);
  return color;
}
const std::shared_ptr<UIColor>& UIColor::grayColor() {
  static const auto color = makeGray(0.5, 1);
  return color;
}
const std::shared_ptr<UIColor>& UIColor::lightGrayColor() {
  static const auto color = makeGray(2.0 / 3.0, 1);
  return color;
}
const std::shared_ptr<UIColor>& UIColor::darkGrayColor() {
  static const auto color = makeGray(1.0 / 3.0, 1);
  return color;
}

std::shared_ptr<UIColor> UIColor::colorWithRed(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
  return std::make_shared<UIColor>(CGColorSpaceModel::RGB, std::vector<CGFloat>{red, green, blue, alpha});
}

std::shared_ptr<UIColor> UIColor::colorWithCGColor(const CGColorRef& color) {
  if (!color) return nullptr;
  return std::make_shared<UIColor>(color->colorSpace(), color->components());
}

std::shared_ptr<UIColor> UIColor::colorWithWhite(CGFloat white, CGFloat alpha) {
  return makeGray(white, alpha);
}

std::shared_ptr<UIColor> UIColor::colorWithHue(CGFloat hue, CGFloat saturation, CGFloat brightness,
                                               CGFloat alpha) {
  hue = clampUnit(hue);
  saturation = clampUnit(saturation);
  brightness = clampUnit(brightness);
  const CGFloat sector = hue * 6.0;
  const int index = static_cast<int>(sector) % 6;  // hue 1 is red again, as hue 0
  const CGFloat fraction = sector - std::floor(sector);
  const CGFloat p = brightness * (1 - saturation);
  const CGFloat q = brightness * (1 - saturation * fraction);
  const CGFloat t = brightness * (1 - saturation * (1 - fraction));
  const CGFloat v = brightness;
  const CGFloat rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
  return colorWithRed(rgb[index][0], rgb[index][1], rgb[index][2], alpha);
}

}  // namespace tarnavel
