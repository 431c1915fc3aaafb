#include <cmath>
#include <memory>

#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/PieDrawer.h"
#include "tarnavel/chart/internal/PieGeometry.h"
#include "tarnavel/chart/internal/SegmentLayer.h"

namespace tarnavel {

namespace {

// The radius of the ring inside series j, where its titles may start: the next series' radius, 0 for the
// innermost series.
CGFloat innerRadiusOf(const UIChart& chart, std::size_t j) {
  return j + 1 < chart.series.size() ? elementOf(chart.series[j + 1]).pieRadius : 0.0;
}

void placeItemTitle(const ChartSeries& series, std::size_t j, CGFloat innerRadius, const ChartItem& item,
                    UIView& container) {
  if (!item.Title) return;
  const CGSize text = textSizeOf(item.Title.get());
  // The wedge pass left the sweep in the width and the start angle in the height of the item's frame.
  const CGRect angles = item.frame();
  const CGFloat r =
      pieTitleRadius(item.titleHorizontalLocation, series.pieRadius, innerRadius, text.width, j == 0);
  const float a = pieTitleAngle(item.titleVerticalLocation, static_cast<float>(angles.size.height),
                                static_cast<float>(angles.size.width));
  const CGFloat sign = itemValueOf(item) >= 0 ? 1.0 : -1.0;
  const CGPoint c = series.pieCenter;
  item.Title->setFrame(CGRectMake(0, 0, text.width, text.height));
  item.Title->setCenter(
      {c.x + r * std::cos(a) + item.titleXshift, c.y + r * std::sin(a) + item.titleYshift * sign});
  container.addSubview(item.Title);
}

}  // namespace

void placePieTitles(UIChart& chart, std::size_t j) {
  const ChartSeries& series = elementOf(chart.series.at(j));
  const CGSize frame = chart.plotArea->frame().size;
  auto container = std::make_shared<UIView>(CGRectMake(0, 0, frame.width, frame.height));
  const CGFloat innerRadius = innerRadiusOf(chart, j);
  for (const auto& item : series.Items)
    placeItemTitle(series, j, innerRadius, elementOf(item), *container);
  if (series.pie3D) {
    // Squashed about the plot's top edge, as the wedges are, so a title at plot y lands at 0.75 y.
    container->setTransform(CGAffineTransformMakeScale(1.0, 0.75));
    container->setCenter({container->center().x, container->center().y * 0.75});
  }
  bindRecordOf(chart).addSubview(chart.plotArea, container);
}

}  // namespace tarnavel
