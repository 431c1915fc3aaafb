// Cylinder charts: three series side by side with plain fills, and stacked with a gradient sheen over each
// top; the series named in each chart's legend.
#include <memory>
#include <string>
#include <vector>

#include "ChartStyling.h"
#include "GalleryPage.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/platform/graphics/UIFont.h"

namespace {

using namespace tarnavel;
using gallery::SeriesStyle;

constexpr CGSize kChartSize{560, 360};
const std::vector<std::string> kYears{"2019", "2020", "2021", "2022", "2023"};

struct CylinderChartSample {
  const char* file;
  const char* title;
  NSUInteger chartType;
  std::vector<std::vector<double>> data;
  bool gradients;
};

// The gradient runs over the whole plot, from the series' light shade at the top to its dark one.
void shadeFromTheTop(ChartItem& item, const SeriesStyle& style) {
  item.layoutStyle = ChartLayoutStyleGradient;
  item.gradientColorTop = style.light;
  item.gradientColorTopExtra = style.dark;
}

std::shared_ptr<UIChart> buildCylinderChart(const CylinderChartSample& sample) {
  auto chart = gallery::makeGalleryChart(kChartSize, sample.title);
  chart->chartType = sample.chartType;
  chart->itemBreadth = sample.chartType == ChartTypeCylinderStacked ? 0.45 : 0.75;
  chart->yAxisTitleLabel->setText("tonnes (k)");
  chart->xAxisTitleLabel->setText("year");
  gallery::placeAxisTitles(*chart, false, 40);
  const auto& styles = gallery::gallerySeriesStyles();
  for (std::size_t j = 0; j < sample.data.size(); ++j) {
    auto series = gallery::makeGallerySeries(sample.data[j], styles[j], ChartGradientDirectionVertical);
    for (std::size_t k = 0; k < series->Items.size(); ++k) {
      auto& item = *series->Items[k];
      if (j == 0) item.xAxisLabel->setText(kYears[k]);
      item.setBackgroundColor(styles[j].dark);
      if (sample.gradients)
        shadeFromTheTop(item, styles[j]);
      else
        item.layoutStyle = ChartLayoutStylePlain;
      if (sample.chartType == ChartTypeCylinderStacked) {
        // Inside the middle of each stacked piece.
        item.titleVerticalLocation = ChartVerticalLocationMiddle;
        item.titleHorizontalLocation = ChartHorizontalLocationCenter;
        item.Title->setTextColor(UIColor::whiteColor());
      } else {
        // Centred above the top oval.
        item.titleVerticalLocation = ChartVerticalLocationTop;
        item.titleHorizontalLocation = ChartHorizontalLocationCenter;
        item.titleYshift = -5;
      }
    }
    chart->series.push_back(series);
  }
  return chart;
}

void buildCylinderCharts(gallery::GalleryOutput& output) {
  const std::vector<CylinderChartSample> samples{
      {"chart-cylinders-grouped.png",
       "Harvest by region",
       ChartTypeCylinder,
       {{18, 22, 17, 26, 29}, {14, 16, 21, 19, 24}, {8, 13, 15, 18, 16}},
       false},
      {"chart-cylinders-stacked.png",
       "Harvest by region, stacked",
       ChartTypeCylinderStacked,
       {{18, 22, 17, 26, 29}, {14, 16, 21, 19, 24}, {8, 13, 15, 18, 16}},
       true},
  };
  for (const CylinderChartSample& sample : samples) {
    auto chart = buildCylinderChart(sample);
    const auto& styles = gallery::gallerySeriesStyles();
    gallery::addSeriesLegends(
        *chart, {styles.begin(), styles.begin() + static_cast<std::ptrdiff_t>(sample.data.size())},
        CGRectMake(66, 36, 300, 22));
    chart->DataBind();
    output.renderView(*chart, sample.file);
  }
}

const gallery::GalleryPage cylinderPage("chart-cylinders", buildCylinderCharts);

}  // namespace
