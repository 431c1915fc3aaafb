#include "ChartStyling.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/views/UILabel.h"

namespace gallery {

using namespace tarnavel;

namespace {

std::shared_ptr<UIFont> galleryFont(CGFloat size) {
  return UIFont::fontWithName("Verdana", size);
}

}  // namespace

const std::vector<SeriesStyle>& gallerySeriesStyles() {
  static const std::vector<SeriesStyle> styles{
      {"North", UIColor::colorWithRed(0.42, 0.62, 0.86, 1), UIColor::colorWithRed(0.16, 0.36, 0.64, 1)},
      {"South", UIColor::colorWithRed(0.98, 0.70, 0.38, 1), UIColor::colorWithRed(0.86, 0.45, 0.12, 1)},
      {"West", UIColor::colorWithRed(0.55, 0.80, 0.50, 1), UIColor::colorWithRed(0.25, 0.56, 0.24, 1)},
  };
  return styles;
}

std::shared_ptr<UIColor> galleryInk() {
  return UIColor::colorWithRed(0.22, 0.24, 0.28, 1);
}

std::shared_ptr<UIChart> makeGalleryChart(CGSize size, const std::string& title) {
  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, size.width, size.height));
  chart->setBackgroundColor(UIColor::whiteColor());
  chart->chartTitle->setText(title);
  chart->chartTitle->setFont(UIFont::fontWithName("Verdana-Bold", 14));
  chart->chartTitle->setTextColor(galleryInk());
  chart->chartTitle->textAlignment = NSTextAlignment::Center;
  chart->chartTitle->setFrame(CGRectMake(0, 10, size.width, 24));
  chart->plotArea->setFrame(CGRectMake(70, 70, size.width - 110, size.height - 130));
  chart->foregroundColor = UIColor::colorWithRed(0.82, 0.84, 0.87, 1);
  chart->hatchLineWidth = 0.6;
  chart->yAxisLabelsFont = galleryFont(9);
  chart->yAxisLabelsTextColor = galleryInk();
  chart->xAxisLabelsFont = galleryFont(9);
  chart->xAxisLabelsTextColor = galleryInk();
  chart->xAxisLabelsHidden = false;
  for (const auto& label : {chart->yAxisTitleLabel, chart->xAxisTitleLabel}) {
    label->setFont(galleryFont(10));
    label->setTextColor(galleryInk());
  }
  return chart;
}

std::shared_ptr<ChartSeries> makeGallerySeries(const std::vector<double>& values, const SeriesStyle& style,
                                               NSUInteger gradientDirection) {
  auto series = std::make_shared<ChartSeries>();
  for (double value : values) {
    auto item = std::make_shared<ChartItem>();
    item->value = value;
    item->layoutStyle = 1;
    item->gradientStyle = 0;
    item->gradientDirection = gradientDirection;
    item->gradientColorTop = style.light;
    item->gradientColorTopExtra = style.dark;
    item->gradientColorBottom = nullptr;  // the colour list ends here: a two-colour gradient
    item->gradientLocations = {Value(0), Value(1)};
    item->Title->setText(formatInteger(static_cast<long long>(value)));
    item->Title->setFont(galleryFont(8));
    item->Title->setTextColor(galleryInk());
    series->Items.push_back(item);
  }
  return series;
}

std::shared_ptr<markedRegion> makeTargetBand(double bottom, double top, std::shared_ptr<UIColor> band,
                                             std::shared_ptr<UIColor> ink) {
  auto region = std::make_shared<markedRegion>();
  region->yBottom = bottom;
  region->yTop = top;
  region->gradientColorTop = band;
  region->gradientColorTopExtra = std::move(band);
  region->gradientColorBottom = nullptr;
  region->gradientLocations = {Value(0), Value(1)};
  region->Title->setText("target");
  region->Title->setFont(UIFont::fontWithName("Verdana-Italic", 8));
  region->Title->setTextColor(std::move(ink));
  region->titleHorizontalLocation = ChartHorizontalLocationRight;
  return region;
}

void placeAxisTitles(UIChart& chart, bool horizontal, CGFloat below) {
  const CGRect plot = chart.plotArea->frame();
  const CGPoint besidePlot{26, CGRectGetMidY(plot)};
  const CGPoint belowPlot{CGRectGetMidX(plot), CGRectGetMaxY(plot) + below};
  centreAxisTitle(*chart.yAxisTitleLabel, horizontal ? belowPlot : besidePlot);
  centreAxisTitle(*chart.xAxisTitleLabel, horizontal ? besidePlot : belowPlot);
  chart.yAxisTitleLabelRotationAngle = horizontal ? 0 : -90;
  chart.xAxisTitleLabelRotationAngle = horizontal ? -90 : 0;
}

void centreAxisTitle(UILabel& title, CGPoint centre) {
  const CGSize size = sizeWithFont(title.text(), title.font());
  title.setFrame(CGRectMake(centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height));
}

std::shared_ptr<legend> makeGalleryLegend(const std::string& text, NSUInteger bulletType,
                                          const std::shared_ptr<UIColor>& colour) {
  auto entry = std::make_shared<legend>();
  entry->legendLabel->setText(text);
  entry->legendLabel->setFont(galleryFont(9));
  entry->legendLabel->setTextColor(galleryInk());
  entry->legendBulletType = bulletType;
  entry->legendBulletWidth = 10;
  entry->legendBulletFillColor = colour;
  entry->legendBulletStrokeLineColor = colour;
  entry->legendBulletStrokeLineWidth = 1;
  entry->legendMargin = 4;
  return entry;
}

void addSeriesLegends(UIChart& chart, const std::vector<SeriesStyle>& styles, CGRect zoneFrame) {
  chart.legendsInterpositions = ChartLegendsInterpositionRow;
  chart.legendZone->layoutStyle = ChartLayoutStylePlain;
  chart.legendZone->setFrame(zoneFrame);
  for (const SeriesStyle& style : styles)
    chart.legends.push_back(makeGalleryLegend(style.name, ChartLegendBulletTypeSquare, style.dark));
}

}  // namespace gallery
