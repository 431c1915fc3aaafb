// Pie charts: a flat pie, a 3D pie on its wall with a shadow, and two series as rings, each item titled.
#include <cstdio>
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

constexpr CGSize kChartSize{480, 380};

struct Slice {
  const char* name;
  double value;
};

std::string percentTitle(const Slice& slice, double total, bool named) {
  char text[64];
  const double share = 100 * slice.value / total;
  if (named)
    std::snprintf(text, sizeof text, "%s %.0f%%", slice.name, share);
  else
    std::snprintf(text, sizeof text, "%.0f%%", share);
  return text;
}

// A series of slices titled with their shares (and names); white edges between the wedges.
std::shared_ptr<ChartSeries> makePieSeries(const std::vector<Slice>& slices, bool threeD, CGFloat fontSize,
                                           const std::shared_ptr<UIColor>& ink, bool named = true) {
  double total = 0;
  for (const Slice& slice : slices)
    total += slice.value;
  auto series = std::make_shared<ChartSeries>();
  series->pie3D = threeD;
  series->shape->strokeColor = UIColor::whiteColor()->CGColor();
  series->shape->lineWidth = 1.5;
  series->shape->lineJoin = kCALineJoinRound;
  for (const Slice& slice : slices) {
    auto item = std::make_shared<ChartItem>();
    item->value = slice.value;
    item->Title->setText(percentTitle(slice, total, named));
    item->Title->setFont(UIFont::fontWithName("Verdana", fontSize));
    item->Title->setTextColor(ink);
    series->Items.push_back(item);
  }
  return series;
}

std::shared_ptr<UIChart> makePieChart(const std::string& title) {
  auto chart = gallery::makeGalleryChart(kChartSize, title);
  chart->chartType = ChartTypePie;
  chart->plotArea->setFrame(CGRectMake(40, 50, kChartSize.width - 80, kChartSize.height - 80));
  return chart;
}

void buildFlatPie(gallery::GalleryOutput& output) {
  auto chart = makePieChart("Browser share, March");
  chart->series.push_back(
      makePieSeries({{"Aster", 46}, {"Birch", 21}, {"Cedar", 14}, {"Dogwood", 11}, {"Elm", 8}}, false, 10,
                    gallery::galleryInk()));
  chart->series[0]->pieRadius = 120;
  chart->DataBind();
  output.renderView(*chart, "chart-pie-flat.png");
}

void build3DPie(gallery::GalleryOutput& output) {
  auto chart = makePieChart("Household budget");
  auto series = makePieSeries(
      {{"Housing", 38}, {"Food", 17}, {"Transport", 14}, {"Savings", 12}, {"Leisure", 10}, {"Other", 9}},
      true, 10, gallery::galleryInk());
  series->pie3DHeight = 12;
  series->pieRadius = 125;
  // Thin dark edges: drawn on every copy of the wall too, they shade it.
  series->shape->strokeColor = UIColor::colorWithWhite(0, 0.25)->CGColor();
  series->shape->lineWidth = 0.5;
  series->shape->setShadowColor(UIColor::blackColor()->CGColor());
  series->shape->setShadowOpacity(0.25);
  series->shape->setShadowOffset({0, 6});
  chart->series.push_back(series);
  chart->DataBind();
  output.renderView(*chart, "chart-pie-3d.png");
}

void buildRings(gallery::GalleryOutput& output) {
  auto chart = makePieChart("Visits by source");
  chart->xAxisTitleLabel->setText("outer ring: this year    inner ring: last year");
  chart->xAxisTitleHorizontalLocation = ChartHorizontalLocationCenter;
  chart->xAxisTitleYshift = 8;
  const std::vector<Slice> thisYear{{"Search", 48}, {"Direct", 27}, {"Social", 15}, {"Mail", 10}};
  const std::vector<Slice> lastYear{{"Search", 55}, {"Direct", 25}, {"Social", 8}, {"Mail", 12}};
  chart->series.push_back(makePieSeries(thisYear, false, 10, gallery::galleryInk()));
  chart->series.push_back(makePieSeries(lastYear, false, 9, UIColor::whiteColor(), false));
  chart->series[0]->pieRadius = 120;
  // The same source keeps its colour in both rings.
  for (std::size_t k = 0; k < thisYear.size(); ++k) {
    const auto colour = UIColor::colorWithHue(0.58 - 0.16 * static_cast<double>(k), 0.7, 0.85, 1);
    chart->series[0]->Items[k]->setBackgroundColor(colour);
    chart->series[1]->Items[k]->setBackgroundColor(
        UIColor::colorWithHue(0.58 - 0.16 * static_cast<double>(k), 0.8, 0.6, 1));
  }
  chart->DataBind();
  output.renderView(*chart, "chart-pie-rings.png");
}

void buildPieCharts(gallery::GalleryOutput& output) {
  buildFlatPie(output);
  build3DPie(output);
  buildRings(output);
}

const gallery::GalleryPage piesPage("chart-pies", buildPieCharts);

}  // namespace
