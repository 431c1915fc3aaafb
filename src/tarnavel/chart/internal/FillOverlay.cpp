#include "tarnavel/chart/internal/FillOverlay.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/GradientStops.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

namespace {

using Layers = std::vector<std::shared_ptr<CALayer>>;

void append(Layers& added, const std::shared_ptr<CALayer>& target, std::shared_ptr<CALayer> layer,
            ChartBindRecord& record) {
  added.push_back(layer);
  record.addSublayer(target, std::move(layer));
}

Layers addGradient(const ChartStyle& style, const FillOverlayGeometry& geometry,
                   const std::shared_ptr<CALayer>& target, ChartBindRecord& record) {
  const std::shared_ptr<QnGradientLayer> gradient = makeStyleGradientLayer(style);
  Layers added;
  if (style.gradientStyle == ChartGradientStyleRainbow) {
    // The gradient layer is configured but not shown: the ten hues take its place.
    append(added, target, makeRainbowGradientLayer(style.gradientDirection, geometry.rainbowFrame), record);
    return added;
  }
  if (style.gradientStyle == ChartGradientStyleInset) gradient->setGradientStyle(ChartGradientStyleLinear);
  gradient->setFrame(geometry.gradientFrame);
  append(added, target, gradient, record);
  if (style.gradientStyle == ChartGradientStyleInset) {
    append(added, target, makeInsetGradientLayer(*gradient, geometry.insetBase), record);
  }
  return added;
}

}  // namespace

FillOverlayGeometry fillOverlayGeometryOf(const UIView& box) {
  const CGRect bounds = box.bounds();
  const CGSize frameSize = box.frame().size;
  return {bounds, bounds, CGRectMake(0, 0, frameSize.width, frameSize.height), bounds.size};
}

std::vector<CGColorRef> gradientColorsOf(const ChartStyle& style) {
  std::vector<CGColorRef> colors;
  for (const auto* color : {&style.gradientColorTop, &style.gradientColorTopExtra, &style.gradientColorBottom,
                            &style.gradientColorBottomExtra}) {
    if (!*color) break;
    colors.push_back((*color)->CGColor());
  }
  return colors;
}

std::shared_ptr<QnGradientLayer> makeStyleGradientLayer(const ChartStyle& style) {
  auto gradient = QnGradientLayer::layer();
  gradient->setGradientStyle(style.gradientStyle);
  gradient->setColors(gradientColorsOf(style));
  gradient->setLocations(style.gradientLocations);
  gradient->setGradientDirection(style.gradientDirection);
  gradient->setGradientRadius(style.gradientRadius);
  return gradient;
}

std::shared_ptr<CAGradientLayer> makeInsetGradientLayer(const QnGradientLayer& gradient, CGRect base) {
  auto inset = std::make_shared<CAGradientLayer>();
  inset->colors = gradient.colors();
  std::vector<CGFloat> locations;
  for (const Value& location : gradient.locations())
    locations.push_back(gradientStop(location).doubleValue());
  inset->locations = std::move(locations);
  const CGFloat fifthW = base.size.width / 5, fifthH = base.size.height / 5;
  inset->setFrame(CGRectMake(base.origin.x + fifthW, base.origin.y + fifthH, 3 * fifthW, 3 * fifthH));
  return inset;
}

std::shared_ptr<CAGradientLayer> makeRainbowGradientLayer(NSUInteger direction, CGRect frame) {
  auto rainbow = CAGradientLayer::layer();
  rainbow->setFrame(frame);
  for (int i = 0; i < 10; ++i)
    rainbow->colors.push_back(UIColor::colorWithHue(i * 0.1, 1.0, 0.8, 0.8)->CGColor());
  switch (direction) {
    case ChartGradientDirectionDiagonal:
      rainbow->startPoint = {0, 0.5};
      rainbow->endPoint = {1, 1};
      break;
    case ChartGradientDirectionAntiDiagonal:
      rainbow->startPoint = {0, 1};
      rainbow->endPoint = {0.5, 0};
      break;
    case ChartGradientDirectionHorizontal:
      rainbow->startPoint = {0, 0.5};
      rainbow->endPoint = {1, 0.5};
      break;
    default:
      break;
  }
  return rainbow;
}

std::vector<std::shared_ptr<CALayer>> addFillOverlay(const ChartStyle& style,
                                                     const FillOverlayGeometry& geometry,
                                                     const std::shared_ptr<CALayer>& target,
                                                     ChartBindRecord& record) {
  if (!target) return {};
  switch (style.layoutStyle) {
    case ChartLayoutStyleGradient:
      return addGradient(style, geometry, target, record);
    case ChartLayoutStyleHatch:
      return addHatchLines(style, geometry.hatchSize, target, record);
    case ChartLayoutStyleImage: {
      const auto image =
          style.backgroundImageName ? UIImage::imageNamed(*style.backgroundImageName) : nullptr;
      record.setContents(target, image ? image->CGImage() : nullptr);
      return {};
    }
    default:
      return {};
  }
}

std::vector<std::shared_ptr<CALayer>> addFillOverlay(UIView& box, const ChartStyle& style,
                                                     ChartBindRecord& record) {
  return addFillOverlay(style, fillOverlayGeometryOf(box), box.layer(), record);
}

}  // namespace tarnavel
