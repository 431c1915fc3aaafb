// The chart's gradient layer in each of its styles and directions.
#include <memory>
#include <string>

#include "GalleryPage.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/QnGradientLayer.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace {

using namespace tarnavel;

constexpr CGFloat kCell = 120;
constexpr CGFloat kGap = 16;
constexpr CGFloat kLabelHeight = 18;
constexpr CGFloat kMargin = 24;

std::shared_ptr<UILabel> caption(const std::string& text, CGRect frame, CGFloat size) {
  auto label = std::make_shared<UILabel>(frame);
  label->setText(text);
  label->setFont(UIFont::fontWithName("Verdana", size));
  label->setTextColor(UIColor::colorWithRed(0.2, 0.22, 0.26, 1));
  return label;
}

std::shared_ptr<QnGradientLayer> gradientTile(NSUInteger style, NSUInteger direction, CGRect frame) {
  auto layer = QnGradientLayer::layer();
  layer->setGradientStyle(style);
  layer->setGradientDirection(direction);
  // The radial style has no direction: its row shows a growing radius instead.
  layer->setGradientRadius(kCell * (0.3 + 0.2 * static_cast<CGFloat>(direction)));
  // Translucent colours let the crossed style's first pass show through its second.
  const CGFloat alpha = style == ChartGradientStyleCrossed ? 0.6 : 1;
  layer->setColors({UIColor::colorWithRed(0.11, 0.27, 0.53, alpha)->CGColor(),
                    UIColor::colorWithRed(0.16, 0.62, 0.64, alpha)->CGColor(),
                    UIColor::colorWithRed(0.98, 0.78, 0.31, alpha)->CGColor()});
  layer->setLocations({Value(0), Value(0.5), Value(1)});
  layer->setFrame(frame);
  layer->cornerRadius = 6;
  layer->masksToBounds = true;
  return layer;
}

void buildGradientPage(gallery::GalleryOutput& output) {
  const char* directions[] = {"diagonal", "anti-diagonal", "horizontal", "vertical"};
  const struct {
    NSUInteger style;
    const char* name;
  } styles[] = {{ChartGradientStyleLinear, "linear"},
                {ChartGradientStyleCrossed, "crossed"},
                {ChartGradientStyleRadial, "radial, wider"}};
  const CGFloat rowHeight = kLabelHeight + kCell + kGap;
  const CGFloat width = 2 * kMargin + 90 + 4 * (kCell + kGap);
  auto page = std::make_shared<UIView>(CGRectMake(0, 0, width, 2 * kMargin + 30 + 3 * rowHeight));
  page->setBackgroundColor(UIColor::colorWithRed(0.97, 0.97, 0.96, 1));
  page->addSubview(
      caption("Gradient layer: styles and directions", CGRectMake(kMargin, kMargin, 500, 24), 15));

  for (int d = 0; d < 4; ++d) {
    const CGFloat x = kMargin + 90 + d * (kCell + kGap);
    page->addSubview(caption(directions[d], CGRectMake(x, kMargin + 34, kCell, kLabelHeight), 10));
  }
  for (int row = 0; row < 3; ++row) {
    const CGFloat y = kMargin + 34 + kLabelHeight + row * rowHeight;
    page->addSubview(caption(styles[row].name, CGRectMake(kMargin, y + kCell / 2 - 9, 90, kLabelHeight), 11));
    for (NSUInteger d = 0; d < 4; ++d) {
      const CGFloat x = kMargin + 90 + static_cast<CGFloat>(d) * (kCell + kGap);
      page->layer()->addSublayer(gradientTile(styles[row].style, d, CGRectMake(x, y, kCell, kCell)));
    }
  }
  output.renderView(*page, "chart-gradients.png");
}

const gallery::GalleryPage page("chart-gradients", buildGradientPage);

}  // namespace
