#include "tarnavel/chart/QnGradientLayer.h"

#include <algorithm>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/internal/GradientStops.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

const char* const QnGradientLayerProperties[5] = {"gradientDirection", "gradientRadius", "colors",
                                                  "locations", "gradientStyle"};

namespace {

bool isGradientProperty(std::string_view key) {
  return std::any_of(std::begin(QnGradientLayerProperties), std::end(QnGradientLayerProperties),
                     [key](const char* name) { return key == name; });
}

// A number property reads 0 while nil, as an unset dynamic property does.
Value numberFor(const CALayer& layer, std::string_view key) {
  const CALayerValue stored = layer.valueForKey(key);
  const Value* number = std::get_if<Value>(&stored);
  return number && number->isNumber() ? *number : Value(0);
}

// The two linear passes across a w x h layer; the second one is drawn by the crossed style only.
struct LinearPasses {
  CGPoint firstStart, firstEnd, secondStart, secondEnd;
};

LinearPasses linearPasses(NSUInteger direction, CGFloat w, CGFloat h) {
  const CGFloat halfW = w * 0.5;
  const CGFloat halfH = h * 0.5;
  switch (direction) {
    case ChartGradientDirectionAntiDiagonal:
      return {{w, 0}, {0, h}, {w, h}, {0, 0}};
    case ChartGradientDirectionHorizontal:
      return {{0, halfH}, {w, halfH}, {halfW, 0}, {halfW, h}};
    case ChartGradientDirectionVertical:
      return {{halfW, 0}, {halfW, h}, {w, halfH}, {0, halfH}};
    default:  // the diagonal, also for a direction the layer does not know
      return {{0, 0}, {w, h}, {w, 0}, {0, h}};
  }
}

// A stop read as the toolkit's floatValue does, in single precision.
CGFloat stopLocation(const Value& location) {
  return gradientStop(location).floatValue();
}

// One colour per stop, each brought to red, green, blue and alpha whatever its own space, so that colours of
// different kinds mix; the gradient ends at the shorter list, or at a null colour.
CGGradient gradientFrom(const std::vector<CGColorRef>& colors, const std::vector<Value>& locations) {
  CGGradient gradient;
  const std::size_t count = std::min(colors.size(), locations.size());
  for (std::size_t i = 0; i < count && colors[i]; ++i) {
    gradient.stops.push_back({stopLocation(locations[i]), colors[i]->rgba()});
  }
  return gradient;
}

}  // namespace

NSUInteger QnGradientLayer::gradientStyle() const {
  return static_cast<NSUInteger>(numberFor(*this, "gradientStyle").integerValue());
}
void QnGradientLayer::setGradientStyle(NSUInteger style) {
  setValueForKey("gradientStyle", Value(style));
}

NSUInteger QnGradientLayer::gradientDirection() const {
  return static_cast<NSUInteger>(numberFor(*this, "gradientDirection").integerValue());
}
void QnGradientLayer::setGradientDirection(NSUInteger direction) {
  setValueForKey("gradientDirection", Value(direction));
}

CGFloat QnGradientLayer::gradientRadius() const {
  return numberFor(*this, "gradientRadius").doubleValue();
}
void QnGradientLayer::setGradientRadius(CGFloat radius) {
  setValueForKey("gradientRadius", Value(radius));
}

std::vector<CGColorRef> QnGradientLayer::colors() const {
  const CALayerValue stored = valueForKey("colors");
  const auto* list = std::get_if<std::vector<CGColorRef>>(&stored);
  return list ? *list : std::vector<CGColorRef>{};
}
void QnGradientLayer::setColors(std::vector<CGColorRef> colors) {
  setValueForKey("colors", std::move(colors));
}

std::vector<Value> QnGradientLayer::locations() const {
  const CALayerValue stored = valueForKey("locations");
  const auto* list = std::get_if<Value>(&stored);
  return list && list->isArray() ? list->array() : std::vector<Value>{};
}
void QnGradientLayer::setLocations(std::vector<Value> locations) {
  setValueForKey("locations", Value::newArray(std::move(locations)));
}

bool QnGradientLayer::needsDisplayForKey(std::string_view key) const {
  return isGradientProperty(key) || CALayer::needsDisplayForKey(key);
}

std::shared_ptr<CABasicAnimation> QnGradientLayer::actionForKey(std::string_view key) const {
  if (!isGradientProperty(key)) return CALayer::actionForKey(key);
  auto animation = CABasicAnimation::animationWithKeyPath(std::string(key));
  if (const CALayerKeyValues* shown = presentationLayer()) animation->fromValue = shown->valueForKey(key);
  return animation;
}

void QnGradientLayer::drawInContext(CGContext& context) const {
  const CGGradient gradient = gradientFrom(colors(), locations());
  if (gradient.stops.empty()) return;
  const CGSize size = frame().size;
  const LinearPasses passes = linearPasses(gradientDirection(), size.width, size.height);
  switch (gradientStyle()) {
    case ChartGradientStyleRadial: {
      const CGPoint centre{size.width * 0.5, size.height * 0.5};
      context.drawRadialGradient(gradient, centre, 0, centre, gradientRadius(),
                                 kCGGradientDrawsAfterEndLocation);
      break;
    }
    case ChartGradientStyleCrossed:
      context.drawLinearGradient(gradient, passes.firstStart, passes.firstEnd,
                                 kCGGradientDrawsBeforeStartLocation);
      context.drawLinearGradient(gradient, passes.secondStart, passes.secondEnd,
                                 kCGGradientDrawsAfterEndLocation);
      break;
    case ChartGradientStyleLinear:
    case ChartGradientStyleInset:
      context.drawLinearGradient(gradient, passes.firstStart, passes.firstEnd,
                                 kCGGradientDrawsAfterEndLocation);
      break;
    default:  // rainbow and above: the fill overlay draws those with a layer of its own
      break;
  }
}

std::shared_ptr<CALayer> QnGradientLayer::copyProperties() const {
  return std::shared_ptr<CALayer>(new QnGradientLayer(*this));
}

}  // namespace tarnavel
