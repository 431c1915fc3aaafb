// Line charts: three series with a marker shape each (circles, squares, triangles) and image markers on the
// months worth a note; and a points-only chart of measurements against a target band.
#include <memory>
#include <string>
#include <vector>

#include "ChartStyling.h"
#include "GalleryPage.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace {

using namespace tarnavel;
using gallery::SeriesStyle;

constexpr CGSize kChartSize{560, 360};
const std::vector<std::string> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug"};

// How one series draws its points.
struct MarkerLook {
  NSUInteger pointType;
  CGFloat width;
  NSUInteger layoutStyle;
  NSUInteger gradientStyle;
};

// The series' line in its dark shade, round at the joins.
void styleLine(ChartSeries& series, const SeriesStyle& style, CGFloat width) {
  CAShapeLayer& line = *series.shape;
  line.strokeColor = style.dark->CGColor();
  line.lineWidth = width;
  line.lineJoin = kCALineJoinRound;
  line.lineCap = kCALineCapRound;
}

void styleMarker(ChartItem& item, const SeriesStyle& style, const MarkerLook& look) {
  item.pointType = look.pointType;
  item.pointWidth = look.width;
  item.layoutStyle = look.layoutStyle;
  item.gradientStyle = look.gradientStyle;
  item.gradientDirection = ChartGradientDirectionVertical;
  item.pointFillColor = style.light;
  item.pointStrokeLineColor = style.dark;
  item.pointStrokeLineWidth = 1.2;
  item.titleHorizontalLocation = ChartHorizontalLocationCenter;
  item.titleVerticalLocation = ChartVerticalLocationTop;
  item.titleYshift = -2;
}

std::shared_ptr<ChartSeries> makeLineSeries(const std::vector<double>& values, const SeriesStyle& style,
                                            const MarkerLook& look, bool titled) {
  auto series = gallery::makeGallerySeries(values, style, ChartGradientDirectionVertical);
  styleLine(*series, style, 2);
  for (const auto& item : series->Items) {
    styleMarker(*item, style, look);
    if (!titled) item->Title->setText("");
  }
  return series;
}

// The legend bullet of the same shape as the series' markers.
NSUInteger bulletFor(NSUInteger pointType) {
  switch (pointType) {
    case ChartPointTypeCircle:
      return ChartLegendBulletTypeCircle;
    case ChartPointTypeTriangle:
      return ChartLegendBulletTypeTriangle;
    default:
      return ChartLegendBulletTypeSquare;
  }
}

// One legend entry per series in a row above the plot, its bullet shaped like the series' markers.
void addMarkerLegends(UIChart& chart, const std::vector<SeriesStyle>& styles, const MarkerLook* looks) {
  chart.legendsInterpositions = ChartLegendsInterpositionRow;
  chart.legendZone->layoutStyle = ChartLayoutStylePlain;
  chart.legendZone->setFrame(CGRectMake(66, 36, 300, 22));
  for (std::size_t j = 0; j < styles.size(); ++j)
    chart.legends.push_back(
        gallery::makeGalleryLegend(styles[j].name, bulletFor(looks[j].pointType), styles[j].dark));
}

void labelMonths(ChartSeries& series) {
  for (std::size_t k = 0; k < series.Items.size() && k < kMonths.size(); ++k)
    series.Items[k]->xAxisLabel->setText(kMonths[k]);
}

void setAxisTitles(UIChart& chart, const char* valueTitle, const char* categoryTitle) {
  chart.yAxisTitleLabel->setText(valueTitle);
  chart.xAxisTitleLabel->setText(categoryTitle);
  gallery::placeAxisTitles(chart, false, 34);
}

// A point drawn as a picture instead of its series' shape: a warning on a dip, a tick on a record month
// (the inset gradient style picks the image for a marker type beyond the image type).
void markWithImage(ChartItem& item, NSUInteger pointType, const char* imageName) {
  item.pointType = pointType;
  item.pointImageName = imageName;
  item.pointWidth = 16;
  if (pointType > ChartPointTypeImage) item.gradientStyle = ChartGradientStyleInset;
  item.titleYshift = -4;
}

void buildLineChart(gallery::GalleryOutput& output) {
  auto chart = gallery::makeGalleryChart(kChartSize, "Monthly active users");
  chart->chartType = ChartTypeLine;
  chart->xAxisLinesHidden = false;
  setAxisTitles(*chart, "users (k)", "month");
  const auto& styles = gallery::gallerySeriesStyles();
  const std::vector<std::vector<double>> data{
      {42, 47, 51, 39, 55, 61, 64, 70}, {24, 27, 30, 31, 35, 40, 46, 52}, {12, 15, 14, 19, 22, 21, 27, 30}};
  const MarkerLook looks[] = {
      {ChartPointTypeCircle, 10, ChartLayoutStyleGradient, ChartGradientStyleLinear},
      {ChartPointTypeSquare, 9, ChartLayoutStylePlain, 0},
      {ChartPointTypeTriangle, 11, ChartLayoutStyleGradient, ChartGradientStyleInset}};
  for (std::size_t j = 0; j < data.size(); ++j)
    chart->series.push_back(makeLineSeries(data[j], styles[j], looks[j], j == 0));
  labelMonths(*chart->series[0]);
  markWithImage(*chart->series[0]->Items[3], ChartPointTypeImage, "status-warn");
  markWithImage(*chart->series[1]->Items[7], 5, "status-ok");
  addMarkerLegends(*chart, styles, looks);
  chart->DataBind();
  output.renderView(*chart, "chart-line-markers.png");
}

void buildPointsOnlyChart(gallery::GalleryOutput& output) {
  auto chart = gallery::makeGalleryChart(kChartSize, "Delivery time by weekday");
  chart->chartType = ChartTypeLinePointsOnly;
  chart->xAxisLinesHidden = false;
  setAxisTitles(*chart, "hours", "weekday");
  const auto& styles = gallery::gallerySeriesStyles();
  const std::vector<std::vector<double>> data{{26, 22, 24, 21, 30, 38, 41}, {18, 17, 19, 16, 22, 27, 33}};
  const MarkerLook looks[] = {{ChartPointTypeCircle, 12, ChartLayoutStyleGradient, ChartGradientStyleLinear},
                              {ChartPointTypeSquare, 10, ChartLayoutStylePlain, 0}};
  for (std::size_t j = 0; j < data.size(); ++j) {
    auto series = makeLineSeries(data[j], styles[j], looks[j], true);
    for (const auto& item : series->Items)
      item->Title->setText(formatInteger(static_cast<long long>(item->value)) + "h");
    chart->series.push_back(series);
  }
  const char* days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  for (std::size_t k = 0; k < 7; ++k)
    chart->series[0]->Items[k]->xAxisLabel->setText(days[k]);
  chart->markedRegions.push_back(gallery::makeTargetBand(0, 24, UIColor::colorWithRed(0.3, 0.7, 0.35, 0.14),
                                                         UIColor::colorWithRed(0.2, 0.5, 0.25, 1)));
  addMarkerLegends(*chart, {styles[0], styles[1]}, looks);
  chart->DataBind();
  output.renderView(*chart, "chart-points-only.png");
}

void buildLineCharts(gallery::GalleryOutput& output) {
  buildLineChart(output);
  buildPointsOnlyChart(output);
}

const gallery::GalleryPage linesPage("chart-lines", buildLineCharts);

}  // namespace
