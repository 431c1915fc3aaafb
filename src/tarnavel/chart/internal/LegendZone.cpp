#include <vector>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/BoxDecorators.h"
#include "tarnavel/chart/internal/LegendLayout.h"

namespace tarnavel {

namespace {

// The zone's grown width and height.
struct ZoneSize {
  CGFloat width = 0;
  CGFloat height = 0;
};

// Entries side by side, each a margin from the zone's top and a margin apart.
void addToRow(UIChart& chart, const std::shared_ptr<legend>& entry, ZoneSize& zone) {
  zone.width += legendMarginOf(*entry);
  drawLegend(chart, entry, zone.width, legendMarginOf(*entry));
  const CGSize size = entry->frame().size;
  if (zone.height < size.height) zone.height = size.height + legendMarginOf(*entry);
  zone.width += size.width + legendMarginOf(*entry);
}

// Entries one under another, each a margin from the zone's left and a margin apart.
void addToColumn(UIChart& chart, const std::shared_ptr<legend>& entry, ZoneSize& zone) {
  zone.height += legendMarginOf(*entry);
  drawLegend(chart, entry, legendMarginOf(*entry), zone.height);
  const CGSize size = entry->frame().size;
  zone.height += size.height + legendMarginOf(*entry);
  if (zone.width < size.width) zone.width = size.width + legendMarginOf(*entry);
}

CGFloat zoneOffset(NSUInteger location, CGFloat chartLength, CGFloat zoneLength) {
  if (location == 1) return chartLength * 0.5 + zoneLength * -0.5;
  if (location == 2) return chartLength - zoneLength;
  return 0;
}

}  // namespace

void drawLegends(UIChart& chart) {
  ZoneSize size;
  // A copy, so that the entries being built cannot change the list under the loop.
  const std::vector<std::shared_ptr<legend>> entries = chart.legends;
  for (const auto& entry : entries) {
    if (!entry) continue;  // nothing to build, and no size to add
    if (chart.legendsInterpositions == ChartLegendsInterpositionRow) {
      addToRow(chart, entry, size);
    } else if (chart.legendsInterpositions == ChartLegendsInterpositionColumn) {
      addToColumn(chart, entry, size);
    }
  }
  const std::shared_ptr<legendArea>& zone = chart.legendZone;
  if (zone && CGRectIsEmpty(zone->frame())) {
    const CGRect bounds = chart.frame();
    zone->setFrame(CGRectMake(zoneOffset(chart.legendZoneHorizontalLocation, bounds.size.width, size.width),
                              zoneOffset(chart.legendZoneVerticalLocation, bounds.size.height, size.height),
                              size.width, size.height));
  }
  DrawLegendZone(chart);
  chart.addSubview(zone);
}

}  // namespace tarnavel
