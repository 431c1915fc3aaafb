// Area charts: three series laid over one another with translucent gradients (the smallest in front), and
// the same data stacked, with plain fills upwards and with gradients across.
#include <memory>
#include <string>
#include <vector>

#include "ChartStyling.h"
#include "GalleryPage.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace {

using namespace tarnavel;
using gallery::SeriesStyle;

constexpr CGSize kChartSize{560, 360};
const std::vector<std::string> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug"};

struct AreaChartSample {
  const char* file;
  const char* title;
  NSUInteger chartType;
  NSUInteger orientation;
  std::vector<std::vector<double>> data;
  bool gradients;
};

std::shared_ptr<UIColor> withAlpha(const std::shared_ptr<UIColor>& color, CGFloat alpha) {
  const auto rgba = color->CGColor()->rgba();
  return UIColor::colorWithRed(rgba[0], rgba[1], rgba[2], alpha);
}

// The gradient of an area runs over the whole plot, strong at the values' end and fading towards the axis.
// A horizontal gradient starts at the left, where the axis is: the light shade goes first there.
void fadeTowardsTheAxis(ChartItem& item, const SeriesStyle& style, bool horizontal) {
  const auto strong = withAlpha(style.dark, 0.9), faint = withAlpha(style.light, 0.8);
  item.gradientColorTop = horizontal ? faint : strong;
  item.gradientColorTopExtra = horizontal ? strong : faint;
}

void paintPlain(ChartItem& item, const SeriesStyle& style) {
  item.layoutStyle = ChartLayoutStylePlain;
  item.setBackgroundColor(style.dark);
}

std::shared_ptr<UIChart> buildAreaChart(const AreaChartSample& sample) {
  auto chart = gallery::makeGalleryChart(kChartSize, sample.title);
  chart->chartType = sample.chartType;
  chart->orientation = sample.orientation;
  const bool horizontal = sample.orientation == ChartOrientationHorizontal;
  chart->yAxisTitleLabel->setText("visits (k)");
  chart->xAxisTitleLabel->setText("month");
  gallery::placeAxisTitles(*chart, horizontal, 34);
  const auto& styles = gallery::gallerySeriesStyles();
  for (std::size_t j = 0; j < sample.data.size(); ++j) {
    auto series = gallery::makeGallerySeries(
        sample.data[j], styles[j],
        horizontal ? ChartGradientDirectionHorizontal : ChartGradientDirectionVertical);
    for (std::size_t k = 0; k < series->Items.size(); ++k) {
      auto& item = *series->Items[k];
      if (j == 0) item.xAxisLabel->setText(kMonths[k]);
      if (sample.gradients)
        fadeTowardsTheAxis(item, styles[j], horizontal);
      else
        paintPlain(item, styles[j]);
      // Only the series with the highest points is labelled, just beyond them.
      if (horizontal) {
        item.titleVerticalLocation = ChartVerticalLocationMiddle;
        item.titleHorizontalLocation = ChartHorizontalLocationRight;
        item.titleXshift = 4;
      } else {
        item.titleHorizontalLocation = ChartHorizontalLocationCenter;
        item.titleYshift = -3;
      }
      if (j + 1 != sample.data.size()) item.Title->setText("");
    }
    chart->series.push_back(series);
  }
  return chart;
}

void buildAreaCharts(gallery::GalleryOutput& output) {
  const std::vector<AreaChartSample> samples{
      {"chart-area.png",
       "Visits by channel",
       ChartTypeArea,
       ChartOrientationVertical,
       {{4, 6, 5, 8, 9, 12, 11, 14}, {9, 12, 15, 13, 17, 21, 19, 23}, {14, 18, 16, 22, 27, 25, 31, 34}},
       true},
      {"chart-area-stacked.png",
       "Visits by channel, stacked",
       ChartTypeAreaStacked,
       ChartOrientationVertical,
       {{4, 6, 5, 8, 9, 12, 11, 14}, {9, 12, 15, 13, 17, 21, 19, 23}, {14, 18, 16, 22, 27, 25, 31, 34}},
       false},
      {"chart-area-stacked-horizontal.png",
       "Visits by channel, stacked across",
       ChartTypeAreaStacked,
       ChartOrientationHorizontal,
       {{4, 6, 5, 8, 9, 12, 11, 14}, {9, 12, 15, 13, 17, 21, 19, 23}, {14, 18, 16, 22, 27, 25, 31, 34}},
       true},
  };
  for (const AreaChartSample& sample : samples) {
    auto chart = buildAreaChart(sample);
    const auto& styles = gallery::gallerySeriesStyles();
    gallery::addSeriesLegends(
        *chart, {styles.begin(), styles.begin() + static_cast<std::ptrdiff_t>(sample.data.size())},
        CGRectMake(66, 36, 300, 22));
    chart->DataBind();
    output.renderView(*chart, sample.file);
  }
}

const gallery::GalleryPage areaPage("chart-area", buildAreaCharts);

}  // namespace
