// Legends: a column of entries beside a chart, over the zone's own gradient, and a row of entries under
// another; between them every kind of bullet (circle, square, triangle, image and none), each zone placed by
// its locations.
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

constexpr CGSize kChartSize{560, 380};
const std::vector<std::string> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun"};

std::shared_ptr<UIColor> zoneBackground() {
  return UIColor::colorWithRed(0.96, 0.97, 0.98, 1);
}

// A zone on a light card with a thin border, titled in bold; its own gradient (the default fill) stays when
// asked for, under the entries.
void styleZone(legendArea& zone, const std::string& title, bool keepGradient) {
  if (!keepGradient) zone.layoutStyle = ChartLayoutStylePlain;
  zone.setBackgroundColor(zoneBackground());
  zone.layer()->borderColor = UIColor::colorWithRed(0.82, 0.84, 0.87, 1)->CGColor();
  zone.layer()->borderWidth = 1;
  zone.Title->setText(title);
  zone.Title->setFont(UIFont::fontWithName("Verdana-Bold", 9));
  zone.Title->setTextColor(gallery::galleryInk());
}

std::shared_ptr<UIChart> makeBarChart(const std::string& title, NSUInteger type,
                                      const std::vector<std::vector<double>>& data,
                                      const std::vector<SeriesStyle>& styles) {
  auto chart = gallery::makeGalleryChart(kChartSize, title);
  chart->chartType = type;
  chart->itemBreadth = 0.7;
  for (std::size_t j = 0; j < data.size(); ++j) {
    auto series = gallery::makeGallerySeries(data[j], styles[j], ChartGradientDirectionVertical);
    for (std::size_t k = 0; k < series->Items.size(); ++k) {
      auto& item = *series->Items[k];
      if (j == 0) item.xAxisLabel->setText(kMonths[k]);
      item.titleHorizontalLocation = ChartHorizontalLocationCenter;
      if (type == ChartTypeBarStacked) {
        item.titleVerticalLocation = ChartVerticalLocationMiddle;
        item.Title->setTextColor(UIColor::whiteColor());
      }
    }
    chart->series.push_back(series);
  }
  return chart;
}

// Grouped bars with a column of circles for the sources and a triangle for the target band, centred on the
// chart's right edge.
std::shared_ptr<UIChart> buildColumnLegendChart() {
  const std::vector<SeriesStyle> sources{
      {"Solar", UIColor::colorWithRed(1.0, 0.85, 0.40, 1), UIColor::colorWithRed(0.93, 0.65, 0.10, 1)},
      {"Wind", UIColor::colorWithRed(0.55, 0.75, 0.95, 1), UIColor::colorWithRed(0.20, 0.45, 0.78, 1)},
      {"Hydro", UIColor::colorWithRed(0.50, 0.85, 0.80, 1), UIColor::colorWithRed(0.10, 0.55, 0.52, 1)},
  };
  auto chart =
      makeBarChart("Energy by source", ChartTypeBar,
                   {{14, 22, 31, 38, 44, 47}, {36, 30, 27, 22, 18, 15}, {20, 21, 24, 26, 25, 22}}, sources);
  chart->plotArea->setFrame(CGRectMake(60, 60, 380, 260));
  chart->yAxisTitleLabel->setText("");
  chart->xAxisTitleLabel->setText("");

  const auto band = UIColor::colorWithRed(0.85, 0.30, 0.25, 0.7);
  auto region = std::make_shared<markedRegion>();
  region->yBottom = 40;
  region->yTop = 41;
  region->gradientColorTop = band;
  region->gradientColorTopExtra = band;
  region->gradientColorBottom = nullptr;
  region->gradientLocations = {Value(0), Value(1)};
  chart->markedRegions.push_back(region);

  for (const SeriesStyle& source : sources)
    chart->legends.push_back(
        gallery::makeGalleryLegend(source.name, ChartLegendBulletTypeCircle, source.dark));
  chart->legends.push_back(gallery::makeGalleryLegend("Target", ChartLegendBulletTypeTriangle, band));
  chart->legendsInterpositions = ChartLegendsInterpositionColumn;
  chart->legendZoneHorizontalLocation = ChartHorizontalLocationRight;
  chart->legendZoneVerticalLocation = ChartVerticalLocationMiddle;
  styleZone(*chart->legendZone, "Source", true);
  return chart;
}

// Stacked bars with a row under the plot: a heading without a bullet, squares for the channels and status
// images for how final the figures are.
std::shared_ptr<UIChart> buildRowLegendChart() {
  const auto& channels = gallery::gallerySeriesStyles();
  auto chart =
      makeBarChart("Orders by channel", ChartTypeBarStacked,
                   {{24, 27, 29, 32, 35, 39}, {18, 17, 19, 18, 20, 19}, {7, 6, 6, 5, 5, 4}}, channels);
  chart->plotArea->setFrame(CGRectMake(70, 60, 450, 240));
  chart->yAxisTitleLabel->setText("orders (k)");
  gallery::centreAxisTitle(*chart->yAxisTitleLabel, {26, 180});
  chart->yAxisTitleLabelRotationAngle = -90;
  chart->xAxisTitleLabel->setText("");

  const std::vector<std::string> names{"Web", "Store", "Phone"};
  chart->legends.push_back(gallery::makeGalleryLegend("Channel", ChartLegendBulletTypeNone, nullptr));
  for (std::size_t j = 0; j < names.size(); ++j)
    chart->legends.push_back(
        gallery::makeGalleryLegend(names[j], ChartLegendBulletTypeSquare, channels[j].dark));
  for (const auto& [text, image] :
       {std::pair{"audited", "status-ok.png"}, std::pair{"estimate", "status-warn.png"}}) {
    auto entry = gallery::makeGalleryLegend(text, ChartLegendBulletTypeImage, nullptr);
    entry->legendBulletImageName = image;
    entry->legendBulletWidth = 14;
    chart->legends.push_back(entry);
  }
  chart->legendsInterpositions = ChartLegendsInterpositionRow;
  chart->legendZoneHorizontalLocation = ChartHorizontalLocationCenter;
  chart->legendZoneVerticalLocation = ChartVerticalLocationBottom;
  styleZone(*chart->legendZone, "", false);
  return chart;
}

void buildLegends(gallery::GalleryOutput& output) {
  auto page = std::make_shared<UIView>(CGRectMake(0, 0, 2 * kChartSize.width, kChartSize.height));
  page->setBackgroundColor(UIColor::whiteColor());
  auto column = buildColumnLegendChart();
  auto row = buildRowLegendChart();
  row->setFrame(CGRectMake(kChartSize.width, 0, kChartSize.width, kChartSize.height));
  for (const auto& chart : {column, row}) {
    chart->DataBind();
    page->addSubview(chart);
  }
  output.renderView(*page, "chart-legends.png");
}

const gallery::GalleryPage legendsPage("chart-legends", buildLegends);

}  // namespace
