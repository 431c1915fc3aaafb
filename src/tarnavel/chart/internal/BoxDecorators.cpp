#include "tarnavel/chart/internal/BoxDecorators.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/LegendArea.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/FillOverlay.h"
#include "tarnavel/chart/internal/SegmentLayer.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

// Offset of a title of `text` length inside a box of `box` length: start, centre or end.
CGFloat alignedInside(NSUInteger location, CGFloat box, CGFloat text) {
  if (location == 1) return 0.5 * box - 0.5 * text;
  if (location == 2) return box - text;
  return 0;
}

CGRect legendZoneTitleFrame(const legendArea& zone, CGSize text) {
  const CGRect b = zone.bounds();
  const CGFloat centreX = b.origin.x + 0.5 * b.size.width - 0.5 * text.width;
  const NSUInteger h = zone.titleHorizontalLocation;
  CGFloat x = b.origin.x, y;
  if (zone.titleVerticalLocation == ChartVerticalLocationMiddle) {
    // Beside the zone on the left or the right, or over its middle.
    y = b.origin.y + 0.5 * b.size.height - 0.5 * text.height;
    if (h == ChartHorizontalLocationLeft) x = b.origin.x - text.width;
    if (h == ChartHorizontalLocationCenter) x = centreX;
    if (h == ChartHorizontalLocationRight) x = b.origin.x + b.size.width;
  } else {
    // Just below the zone, or just above it for the top and any other location.
    y = zone.titleVerticalLocation == ChartVerticalLocationBottom ? b.origin.y + b.size.height
                                                                  : b.origin.y - text.height;
    if (h == ChartHorizontalLocationCenter) x = centreX;
    if (h == ChartHorizontalLocationRight) x = b.origin.x + b.size.width - text.width;
  }
  return CGRectMake(x, y, text.width, text.height);
}

}  // namespace

void drawChartBackground(UIChart& chart) {
  runProtected([&] { addFillOverlay(chart, chart, bindRecordOf(chart)); });
}

void DrawItem(UIChart& chart, const std::shared_ptr<ChartItem>& item) {
  if (!item) return;
  runProtected([&] {
    item->removeAllSubviews();
    writeItemDefaults(*item, ChartLayoutStyleGradient, ChartVerticalLocationTop, ChartHorizontalLocationLeft);
    addFillOverlay(*item, *item, bindRecordOf(chart));
  });
}

void DrawmarkedRegion(UIChart& chart, const std::shared_ptr<markedRegion>& region) {
  if (!region) return;
  runProtected([&] {
    region->removeAllSubviews();
    ChartBindRecord& record = bindRecordOf(chart);
    addFillOverlay(*region, *region, record);
    const std::shared_ptr<UILabel>& title = region->Title;
    if (!title) return;
    if (CGRectIsEmpty(title->frame())) {
      const CGSize text = textSizeOf(title.get());
      const CGSize box = region->frame().size;
      title->setFrame(CGRectMake(alignedInside(region->titleHorizontalLocation, box.width, text.width),
                                 alignedInside(region->titleVerticalLocation, box.height, text.height),
                                 text.width, text.height));
    }
    record.addSubview(region, title);
  });
}

void DrawLegendZone(UIChart& chart) {
  const std::shared_ptr<legendArea>& zone = chart.legendZone;
  if (!zone) return;
  runProtected([&] {
    ChartBindRecord& record = bindRecordOf(chart);
    // The zone's fill lies beneath the entries already in it, as every box's fill lies beneath its content.
    const std::vector<std::shared_ptr<CALayer>> fill = addFillOverlay(*zone, *zone, record);
    for (std::size_t i = 0; i < fill.size(); ++i)
      zone->layer()->insertSublayer(fill[i], i);
    const std::shared_ptr<UILabel>& title = zone->Title;
    if (!title) return;
    title->setFrame(legendZoneTitleFrame(*zone, textSizeOf(title.get())));
    record.addSubview(zone, title);
  });
}

}  // namespace tarnavel
