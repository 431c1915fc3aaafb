#pragma once

// The look the gallery gives its charts: a light page, grey grid, dark text and one colour per series. The
// library's own defaults stay as they are; these are a host's choices.
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/views/UILabel.h"

namespace gallery {

struct SeriesStyle {
  std::string name;
  std::shared_ptr<tarnavel::UIColor> light;
  std::shared_ptr<tarnavel::UIColor> dark;
};

/// Blue, orange and green, each as a light and a dark shade for a vertical gradient.
const std::vector<SeriesStyle>& gallerySeriesStyles();

std::shared_ptr<tarnavel::UIColor> galleryInk();

/// A chart of `size` with a centred title, light grid lines, dark axis labels and its plot area inset for
/// the labels and axis titles.
std::shared_ptr<tarnavel::UIChart> makeGalleryChart(tarnavel::CGSize size, const std::string& title);

/// A series of `values`, each item filled with a gradient of the style's shades and labelled with its value.
std::shared_ptr<tarnavel::ChartSeries> makeGallerySeries(const std::vector<double>& values,
                                                         const SeriesStyle& style,
                                                         tarnavel::NSUInteger gradientDirection);

/// A "target" band from `bottom` to `top` in a translucent `band` colour, its italic title in `ink` at the
/// right.
std::shared_ptr<tarnavel::markedRegion> makeTargetBand(double bottom, double top,
                                                       std::shared_ptr<tarnavel::UIColor> band,
                                                       std::shared_ptr<tarnavel::UIColor> ink);

/// Centres the axis titles beside and below the plot area (swapped when `horizontal`), the one beside it
/// turned upright; `below` is the distance of the lower title under the plot.
void placeAxisTitles(tarnavel::UIChart& chart, bool horizontal, tarnavel::CGFloat below);

/// Gives an axis title the frame of its text centred on `centre` (the chart keeps a frame the host set).
void centreAxisTitle(tarnavel::UILabel& title, tarnavel::CGPoint centre);

/// A legend entry in the gallery's font and ink with a bullet of `bulletType` filled with `colour`.
std::shared_ptr<tarnavel::legend> makeGalleryLegend(const std::string& text, tarnavel::NSUInteger bulletType,
                                                    const std::shared_ptr<tarnavel::UIColor>& colour);

/// One square legend entry per series style, in a row across `zoneFrame` of the chart (a plain zone); the
/// chart lays them out when it binds.
void addSeriesLegends(tarnavel::UIChart& chart, const std::vector<SeriesStyle>& styles,
                      tarnavel::CGRect zoneFrame);

}  // namespace gallery
