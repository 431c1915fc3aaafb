// Bar charts: grouped and stacked, in each orientation, one with values of both signs, each with its series
// legend; and a chart left mostly to the bind's defaults.
#include <memory>
#include <string>
#include <vector>

#include "ChartStyling.h"
#include "GalleryPage.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/platform/graphics/UIFont.h"

namespace {

using namespace tarnavel;
using gallery::SeriesStyle;

constexpr CGSize kChartSize{560, 360};
const std::vector<std::string> kQuarters{"Q1", "Q2", "Q3", "Q4", "Q5", "Q6"};

struct BarChartSample {
  const char* file;
  const char* title;
  NSUInteger chartType;
  NSUInteger orientation;
  std::vector<std::vector<double>> data;
  const char* valueAxisTitle;
  const char* categoryAxisTitle;
};

std::shared_ptr<UIChart> buildBarChart(const BarChartSample& sample) {
  auto chart = gallery::makeGalleryChart(kChartSize, sample.title);
  chart->chartType = sample.chartType;
  chart->orientation = sample.orientation;
  chart->itemBreadth = 0.7;
  chart->yAxisTitleLabel->setText(sample.valueAxisTitle);
  chart->xAxisTitleLabel->setText(sample.categoryAxisTitle);
  const bool horizontal = sample.orientation == ChartOrientationHorizontal;
  // The axis titles get frames of the host's choosing: the one beside the plot reads upwards, the one
  // under it sits below the axis labels.
  gallery::placeAxisTitles(*chart, horizontal, 34);
  const auto& styles = gallery::gallerySeriesStyles();
  for (std::size_t j = 0; j < sample.data.size(); ++j) {
    auto series = gallery::makeGallerySeries(
        sample.data[j], styles[j],
        horizontal ? ChartGradientDirectionHorizontal : ChartGradientDirectionVertical);
    for (std::size_t k = 0; k < series->Items.size(); ++k) {
      auto& item = *series->Items[k];
      if (j == 0) item.xAxisLabel->setText(kQuarters[k]);
      if (sample.chartType == ChartTypeBarStacked) {
        // Inside the middle of each stacked piece.
        item.titleVerticalLocation = ChartVerticalLocationMiddle;
        item.titleHorizontalLocation = ChartHorizontalLocationCenter;
        item.Title->setTextColor(UIColor::whiteColor());
      } else if (!horizontal) {
        item.titleHorizontalLocation = ChartHorizontalLocationCenter;
      } else {
        item.titleVerticalLocation = ChartVerticalLocationMiddle;
        item.titleHorizontalLocation = ChartHorizontalLocationRight;
        item.titleXshift = item.value < 0 ? -22 : 22;
      }
    }
    chart->series.push_back(series);
  }
  chart->markedRegions.push_back(gallery::makeTargetBand(20, 25, UIColor::colorWithRed(0.95, 0.75, 0.2, 0.22),
                                                         UIColor::colorWithRed(0.6, 0.45, 0.05, 1)));
  return chart;
}

void buildBarCharts(gallery::GalleryOutput& output) {
  const std::vector<BarChartSample> samples{
      {"chart-bars-grouped-vertical.png",
       "Sales by region",
       ChartTypeBar,
       ChartOrientationVertical,
       {{12, 18, 22, 17, 26, 29}, {9, 14, 16, 21, 19, 24}, {6, 8, 13, 15, 18, 16}},
       "units (k)",
       "quarter"},
      {"chart-bars-grouped-horizontal.png",
       "Margin change",
       ChartTypeBar,
       ChartOrientationHorizontal,
       {{12, -8, 22, 5, -14, 27}, {-6, 10, 15, -11, 9, 21}},
       "points",
       "quarter"},
      {"chart-bars-stacked-vertical.png",
       "Cash flow by region",
       ChartTypeBarStacked,
       ChartOrientationVertical,
       {{12, -6, 9, 14, -4, 11}, {7, 5, -8, 6, 9, -3}, {4, -5, 6, -2, 5, 7}},
       "k€",
       "quarter"},
      {"chart-bars-stacked-horizontal.png",
       "Headcount",
       ChartTypeBarStacked,
       ChartOrientationHorizontal,
       {{8, 9, 11, 12, 12, 14}, {5, 6, 6, 8, 9, 9}, {3, 3, 4, 4, 5, 6}},
       "people",
       "quarter"},
  };
  for (const BarChartSample& sample : samples) {
    auto chart = buildBarChart(sample);
    const auto& styles = gallery::gallerySeriesStyles();
    gallery::addSeriesLegends(
        *chart, {styles.begin(), styles.begin() + static_cast<std::ptrdiff_t>(sample.data.size())},
        CGRectMake(66, 36, 300, 22));
    chart->DataBind();
    output.renderView(*chart, sample.file);
  }
}

// A chart left mostly to the bind: the radial background, the title sized to its text, the plot area's
// default frame, white axis labels and a week of bars.
void buildBoundChart(gallery::GalleryOutput& output) {
  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, 480, 320));
  chart->chartType = ChartTypeBar;
  chart->layoutStyle = ChartLayoutStyleGradient;
  chart->gradientColorTop = UIColor::colorWithRed(0.16, 0.36, 0.64, 1);
  chart->gradientColorTopExtra = UIColor::colorWithRed(0.10, 0.20, 0.38, 1);
  chart->gradientColorBottom = nullptr;
  chart->gradientLocations = {Value(0), Value(1)};
  chart->gradientRadius = 320;
  chart->chartTitle->setText("Visitors this week");
  chart->chartTitle->setFont(UIFont::fontWithName("Verdana-Bold", 13));
  chart->chartTitle->setTextColor(UIColor::whiteColor());
  chart->plotArea->setBackgroundColor(UIColor::colorWithRed(1, 1, 1, 0.08));
  chart->foregroundColor = UIColor::colorWithRed(1, 1, 1, 0.35);
  chart->yAxisLabelsFont = UIFont::fontWithName("Verdana", 8);
  chart->xAxisLabelsFont = UIFont::fontWithName("Verdana", 8);
  chart->xAxisLabelsHidden = false;
  chart->itemBreadth = 0.6;
  const SeriesStyle daylight{"visitors", UIColor::colorWithRed(1.0, 0.86, 0.45, 1),
                             UIColor::colorWithRed(0.96, 0.62, 0.18, 1)};
  auto series = gallery::makeGallerySeries({412, 386, 455, 472, 530, 688, 604}, daylight,
                                           ChartGradientDirectionVertical);
  const char* days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  for (std::size_t k = 0; k < series->Items.size(); ++k) {
    auto& item = *series->Items[k];
    item.xAxisLabel->setText(days[k]);
    item.titleHorizontalLocation = ChartHorizontalLocationCenter;
    item.Title->setTextColor(UIColor::whiteColor());
  }
  chart->series.push_back(series);
  chart->DataBind();
  output.renderView(*chart, "chart-bound.png");
}

const gallery::GalleryPage barsPage("chart-bars", buildBarCharts);
const gallery::GalleryPage boundPage("chart-bound", buildBoundChart);

}  // namespace
