#include "tarnavel/chart/internal/AreaCarrier.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/chart/internal/FillOverlay.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"

namespace tarnavel {

namespace {

std::shared_ptr<CALayer> gradientCarrier(const ChartStyle& style, CGRect frame, CGSize boundsSize) {
  const std::shared_ptr<QnGradientLayer> gradient = makeStyleGradientLayer(style);
  if (style.gradientStyle == ChartGradientStyleRainbow) {
    // The gradient layer is configured but not shown: the ten hues take its place.
    return makeRainbowGradientLayer(style.gradientDirection, frame);
  }
  if (style.gradientStyle == ChartGradientStyleInset) {
    // The inner gradient goes inside the carrier, so that the band's mask clips it too.
    gradient->addSublayer(
        makeInsetGradientLayer(*gradient, CGRectMake(0, 0, boundsSize.width, boundsSize.height)));
    gradient->setGradientStyle(ChartGradientStyleLinear);
  }
  gradient->setFrame(frame);
  return gradient;
}

std::shared_ptr<CALayer> imageCarrier(const ChartStyle& style, CGRect frame) {
  auto carrier = CAGradientLayer::layer();
  carrier->setFrame(frame);
  const auto image = style.backgroundImageName ? UIImage::imageNamed(*style.backgroundImageName) : nullptr;
  carrier->contents = image ? image->CGImage() : nullptr;
  return carrier;
}

}  // namespace

std::shared_ptr<CALayer> makeAreaCarrier(const ChartStyle& style, CGSize frameSize, CGSize boundsSize,
                                         const CGColorRef& plainFill, ChartBindRecord& record) {
  const CGRect frame = CGRectMake(0, 0, frameSize.width, frameSize.height);
  switch (style.layoutStyle) {
    case ChartLayoutStyleGradient:
      return gradientCarrier(style, frame, boundsSize);
    case ChartLayoutStyleHatch: {
      auto carrier = CAGradientLayer::layer();
      carrier->setFrame(frame);
      addHatchLines(style, boundsSize, carrier, record);
      return carrier;
    }
    case ChartLayoutStyleImage:
      return imageCarrier(style, frame);
    default: {
      auto carrier = CAGradientLayer::layer();
      carrier->setFrame(frame);
      carrier->backgroundColor = plainFill;
      return carrier;
    }
  }
}

}  // namespace tarnavel
