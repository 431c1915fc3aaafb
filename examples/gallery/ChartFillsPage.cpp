// The fills a bar can take: one bar per fill overlay, each named by its category label.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ChartStyling.h"
#include "GalleryPage.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/views/UILabel.h"

namespace {

using namespace tarnavel;

// About the size of the tallest bars, so that the checker image keeps square cells on them.
constexpr CGFloat kBarWidth = 110;
constexpr CGFloat kBarHeight = 300;
constexpr CGFloat kChartWidth = 1120;
constexpr CGFloat kGap = 20;
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

// A checkerboard of two blues, registered under kImageName for the image fill.
void registerCheckerImage() {
  const int w = static_cast<int>(kBarWidth), h = static_cast<int>(kBarHeight);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels[static_cast<std::size_t>(y) * w + x] = ((x / 10 + y / 10) % 2) ? 0xff3060a0 : 0xffa0c0e8;
    }
  }
  UIImage::registerImage(kImageName, std::make_shared<UIImage>(std::make_shared<CGImage>(w, h, pixels)));
}

// One bar per fill, its name as the category label.
std::shared_ptr<ChartItem> makeBar(const FillSample& sample, double value) {
  auto bar = std::make_shared<ChartItem>();
  bar->value = value;
  bar->setBackgroundColor(UIColor::colorWithRed(0.80, 0.84, 0.93, 1));
  bar->layoutStyle = sample.layoutStyle;
  bar->gradientStyle = sample.gradientStyle;
  bar->gradientDirection = sample.gradientDirection;
  bar->gradientColorTop = UIColor::colorWithRed(0.15, 0.3, 0.75, 1);
  bar->gradientColorTopExtra = UIColor::colorWithRed(0.55, 0.7, 0.95, 1);
  bar->gradientColorBottom = UIColor::colorWithRed(0.95, 0.85, 0.55, 1);
  bar->gradientColorBottomExtra = UIColor::colorWithRed(0.8, 0.3, 0.2, 1);
  bar->gradientRadius = 60;
  bar->foregroundColor = UIColor::colorWithRed(0.2, 0.25, 0.45, 1);
  bar->hatchLineWidth = 1.5;
  bar->hatchLineStepHeight = 16;
  bar->backgroundImageName = kImageName;
  bar->xAxisLabel->setText(sample.caption);
  return bar;
}

void build(gallery::GalleryOutput& output) {
  registerCheckerImage();
  auto chart = gallery::makeGalleryChart({kChartWidth, 420}, "Fill styles");
  chart->itemBreadth = 0.8;
  chart->yAxisLabelsHidden = true;
  chart->yAxisLinesHidden = true;
  chart->xAxisLabelsFont = UIFont::fontWithName("Verdana", 11);
  chart->plotArea->setFrame(CGRectMake(kGap, 60, kChartWidth - 2 * kGap, 320));
  auto series = std::make_shared<ChartSeries>();
  const double heights[] = {62, 78, 95, 88, 71, 84, 66, 92};
  for (std::size_t i = 0; i < std::size(kSamples); ++i)
    series->Items.push_back(makeBar(kSamples[i], heights[i % std::size(heights)]));
  chart->series.push_back(series);
  chart->DataBind();
  for (const char* name : {"chart-fills.png", "chart-fills.svg"})
    output.renderView(*chart, name);
}

gallery::GalleryPage page("chart-fills", &build);

}  // namespace
