// The chart's box fills: one bar-like box per fill overlay, each with its name underneath.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GalleryPage.h"
#include "tarnavel/chart/internal/BoxDecorators.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/views/UILabel.h"

namespace {

using namespace tarnavel;

constexpr CGFloat kBoxWidth = 120;
constexpr CGFloat kBoxHeight = 80;
constexpr CGFloat kGap = 20;
constexpr CGFloat kCaptionHeight = 18;
constexpr int kColumns = 4;
constexpr const char* kImageName = "gallery-fill-checker";

struct FillSample {
  const char* caption;
  NSUInteger layoutStyle;
  NSUInteger gradientStyle;
  NSUInteger gradientDirection;
};

const FillSample kSamples[] = {
    {"plain", ChartLayoutStylePlain, 0, 0},
    {"linear", ChartLayoutStyleGradient, ChartGradientStyleLinear, ChartGradientDirectionHorizontal},
    {"radial", ChartLayoutStyleGradient, ChartGradientStyleRadial, 0},
    {"crossed", ChartLayoutStyleGradient, ChartGradientStyleCrossed, ChartGradientDirectionDiagonal},
    {"inset", ChartLayoutStyleGradient, ChartGradientStyleInset, ChartGradientDirectionVertical},
    {"rainbow", ChartLayoutStyleGradient, ChartGradientStyleRainbow, ChartGradientDirectionHorizontal},
    {"hatch", ChartLayoutStyleHatch, 0, 0},
    {"image", ChartLayoutStyleImage, 0, 0},
};

// A small checkerboard of two blues, registered under kImageName for the image fill.
void registerCheckerImage() {
  const int w = static_cast<int>(kBoxWidth), h = static_cast<int>(kBoxHeight);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels[static_cast<std::size_t>(y) * w + x] = ((x / 10 + y / 10) % 2) ? 0xff3060a0 : 0xffa0c0e8;
    }
  }
  UIImage::registerImage(kImageName, std::make_shared<UIImage>(std::make_shared<CGImage>(w, h, pixels)));
}

std::shared_ptr<ChartItem> makeBox(const FillSample& sample, CGRect frame) {
  auto box = std::make_shared<ChartItem>(frame);
  box->setBackgroundColor(UIColor::colorWithRed(0.93, 0.94, 0.97, 1));
  box->layoutStyle = sample.layoutStyle;
  box->gradientStyle = sample.gradientStyle;
  box->gradientDirection = sample.gradientDirection;
  box->gradientColorTop = UIColor::colorWithRed(0.15, 0.3, 0.75, 1);
  box->gradientColorTopExtra = UIColor::colorWithRed(0.55, 0.7, 0.95, 1);
  box->gradientColorBottom = UIColor::colorWithRed(0.95, 0.85, 0.55, 1);
  box->gradientColorBottomExtra = UIColor::colorWithRed(0.8, 0.3, 0.2, 1);
  box->gradientRadius = 60;
  box->foregroundColor = UIColor::colorWithRed(0.2, 0.25, 0.45, 1);
  box->hatchLineWidth = 1;
  box->backgroundImageName = kImageName;
  return box;
}

std::shared_ptr<UILabel> makeCaption(const char* text, CGRect frame) {
  auto caption = std::make_shared<UILabel>(frame);
  caption->setText(text);
  caption->setFont(UIFont::fontWithName("Verdana", 11));
  caption->textAlignment = NSTextAlignment::Center;
  return caption;
}

void build(gallery::GalleryOutput& output) {
  registerCheckerImage();
  const int rows = (static_cast<int>(std::size(kSamples)) + kColumns - 1) / kColumns;
  const auto chart = std::make_shared<UIChart>(CGRectMake(
      0, 0, kColumns * (kBoxWidth + kGap) + kGap, rows * (kBoxHeight + kCaptionHeight + kGap) + kGap));
  chart->setBackgroundColor(UIColor::whiteColor());
  for (std::size_t i = 0; i < std::size(kSamples); ++i) {
    const CGFloat x = kGap + static_cast<CGFloat>(i % kColumns) * (kBoxWidth + kGap);
    const CGFloat y = kGap + static_cast<CGFloat>(i / kColumns) * (kBoxHeight + kCaptionHeight + kGap);
    const auto box = makeBox(kSamples[i], CGRectMake(x, y, kBoxWidth, kBoxHeight));
    DrawItem(*chart, box);
    chart->addSubview(box);
    chart->addSubview(
        makeCaption(kSamples[i].caption, CGRectMake(x, y + kBoxHeight, kBoxWidth, kCaptionHeight)));
  }
  for (const char* name : {"chart-fills.png", "chart-fills.svg"})
    output.renderView(*chart, name);
}

gallery::GalleryPage page("chart-fills", &build);

}  // namespace
