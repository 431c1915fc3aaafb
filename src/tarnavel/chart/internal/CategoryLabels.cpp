#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/PlotFrameSteps.h"
#include "tarnavel/chart/internal/SegmentLayer.h"
#include "tarnavel/platform/foundation/Format.h"

namespace tarnavel {

namespace {

// Where a value title's top-left corner goes, before the item's shifts, by each drawer's rule.

CGPoint barTitleOrigin(const ChartItem& item, CGFloat value, const PlotGeometry& plot, CGRect f, CGSize t) {
  const NSUInteger h = item.titleHorizontalLocation, v = item.titleVerticalLocation;
  const bool negative = value < 0;
  CGPoint p{f.origin.x, f.origin.y - t.height};
  if (h == ChartHorizontalLocationCenter) p.x = f.origin.x + f.size.width / 2 - t.width / 2;
  const CGFloat middleY = f.origin.y + f.size.height / 2 - t.height / 2;
  if (plot.orientation == ChartOrientationVertical) {
    if (v == ChartVerticalLocationMiddle) {
      p.y = middleY;
    } else if (v == ChartVerticalLocationBottom) {
      p.y = positiveAndNegative ? plot.plotHeight / 2 - (negative ? t.height : 0) : plot.plotHeight;
    } else if (v == ChartVerticalLocationTop && negative) {
      p.y = f.origin.y + f.size.height;
    }
    if (h == ChartHorizontalLocationRight) p.x = f.origin.x + f.size.width - t.width;
  } else if (plot.orientation == ChartOrientationHorizontal) {
    if (v == ChartVerticalLocationMiddle) p.y = middleY;
    if (v == ChartVerticalLocationBottom) p.y = f.origin.y + f.size.height;
    if ((h == ChartHorizontalLocationRight && !negative) || (h == ChartHorizontalLocationLeft && negative)) {
      p.x = f.origin.x + f.size.width - t.width;
    }
  }
  return p;
}

CGPoint pointTitleOrigin(const ChartItem& item, CGRect f, CGSize t) {
  // Half the marker's width away from the data point; a marker of no width keeps no distance.
  const CGFloat hp = item.pointWidth > 0 ? item.pointWidth / 2 : 0;
  const NSUInteger h = item.titleHorizontalLocation, v = item.titleVerticalLocation;
  CGPoint p{f.origin.x, f.origin.y - t.height - hp};
  if (h == ChartHorizontalLocationLeft) p.x = f.origin.x - t.width - hp;
  if (h == ChartHorizontalLocationCenter) p.x = f.origin.x + f.size.width / 2 - t.width / 2;
  if (h == ChartHorizontalLocationRight) p.x = f.origin.x + hp;
  if (v == ChartVerticalLocationMiddle) p.y = f.origin.y + f.size.height / 2 - t.height / 2;
  if (v == ChartVerticalLocationBottom) p.y = f.origin.y + hp;
  return p;
}

CGPoint areaTitleOrigin(const ChartItem& item, CGRect f, CGSize t) {
  const NSUInteger h = item.titleHorizontalLocation, v = item.titleVerticalLocation;
  CGPoint p{f.origin.x, f.origin.y - t.height};
  if (h == ChartHorizontalLocationLeft) p.x = f.origin.x - t.width;
  if (h == ChartHorizontalLocationCenter) p.x = f.origin.x + 0.5 * f.size.width - 0.5 * t.width;
  if (v == ChartVerticalLocationMiddle) p.y = f.origin.y + 0.5 * f.size.height - 0.5 * t.height;
  if (v == ChartVerticalLocationBottom) p.y = f.origin.y;
  return p;
}

}  // namespace

void placeValueTitle(UIChart& chart, const PlotGeometry& plot, ValueTitleRule rule, ChartItem& item) {
  const std::shared_ptr<UILabel>& title = item.Title;
  // A title follows its item's mark; without category slots no mark has a place, so neither has the title.
  if (!title || !plot.hasSlots()) return;
  const CGRect f = item.frame();
  const CGSize t = textSizeOf(title.get());
  const CGFloat value = itemValueOf(item);
  const CGPoint p = rule == ValueTitleRule::Bar     ? barTitleOrigin(item, value, plot, f, t)
                    : rule == ValueTitleRule::Point ? pointTitleOrigin(item, f, t)
                                                    : areaTitleOrigin(item, f, t);
  // The vertical shift turns round for a negative value, so that it moves away from the bar's end alike.
  const CGFloat sign = value < 0 ? -1 : 1;
  title->setFrame(CGRectMake(p.x + item.titleXshift, p.y + item.titleYshift * sign, t.width, t.height));
  if (chart.plotArea) bindRecordOf(chart).addSubview(chart.plotArea, title);
}

void drawCategoryGridLine(UIChart& chart, const PlotGeometry& plot, std::size_t itemIndex) {
  if (!chart.plotArea || !plot.hasSlots()) return;
  const CGFloat c = plot.slotCentre(itemIndex), length = plot.valueExtent * plot.extentFactor;
  const bool vertical = plot.orientation == ChartOrientationVertical;
  const CGPoint from = vertical ? CGPoint{c, 0} : CGPoint{0, c};
  const CGPoint to = vertical ? CGPoint{c, length} : CGPoint{length, c};
  bindRecordOf(chart).addSublayer(chart.plotArea->layer(),
                                  makeSegmentLayer(from, to, chart.hatchLineWidth, chart.foregroundColor));
}

void placeCategoryLabel(UIChart& chart, const PlotGeometry& plot, CGFloat offset, std::size_t itemIndex,
                        ChartItem& item) {
  const std::shared_ptr<UILabel>& label = item.xAxisLabel;
  // A label belongs at its category's centre; without category slots it has no place and is left out.
  if (!label || !plot.hasSlots()) return;
  label->setTextColor(chart.xAxisLabelsTextColor);
  label->setFont(chart.xAxisLabelsFont);
  if (!label->text() && chart.xAxisLabelsShowDefaultOrderNumbers) {
    label->setText(formatInteger(static_cast<long long>(itemIndex) + 1));
  }
  const CGSize t = textSizeOf(label.get());
  const CGFloat c = plot.slotCentre(itemIndex);
  if (plot.orientation == ChartOrientationVertical) {
    // Under the plot, also when the values hang from its top.
    label->setFrame(CGRectMake(plot.plotX + c - t.width / 2,
                               plot.plotY + plot.valueExtent * plot.extentFactor + offset, t.width,
                               t.height));
  } else {
    // Left of the plot, or right of it when the values grow leftwards from its right edge.
    const CGFloat x = negativeOnly ? plot.valueExtent + 2 + offset : -2 - t.width - offset;
    label->setFrame(CGRectMake(plot.plotX + x, plot.plotY + c - t.height / 2, t.width, t.height));
  }
  label->textAlignment = NSTextAlignment::Right;
  addToChartView(chart, label);
}

}  // namespace tarnavel
