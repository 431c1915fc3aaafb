#include <cmath>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/LegendLayout.h"
#include "tarnavel/chart/internal/MarkerShape.h"
#include "tarnavel/chart/internal/SegmentLayer.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {

namespace {

CGRect frameOf(const std::shared_ptr<UIView>& view) {
  return view ? view->frame() : CGRectZero;
}

CGColorRef layerColorOf(const std::shared_ptr<UIColor>& color) {
  return color ? color->CGColor() : nullptr;
}

// The bullet side: computed from the label's height while it is not set (a width that is not a number
// counts as not set), never below 3, and written back into the entry.
CGFloat fitBulletWidth(legend& entry, CGSize text) {
  if (!(entry.legendBulletWidth > 0) || !std::isfinite(entry.legendBulletWidth)) {
    const CGRect label = frameOf(entry.legendLabel);
    entry.legendBulletWidth = 0.5 * (CGRectIsEmpty(label) ? text.height : label.size.height);
  }
  if (entry.legendBulletWidth < 3.0) entry.legendBulletWidth = 3.0;
  return entry.legendBulletWidth;
}

void drawBulletShape(UIChart& chart, const legend& entry, CGFloat side) {
  const std::shared_ptr<UIView>& bullet = entry.legendBullet;
  if (!bullet) return;
  ChartBindRecord& record = bindRecordOf(chart);
  if (entry.legendBulletType == ChartLegendBulletTypeImage) {
    const auto image =
        entry.legendBulletImageName ? UIImage::imageNamed(*entry.legendBulletImageName) : nullptr;
    record.setContents(bullet->layer(), image ? image->CGImage() : nullptr);
    return;
  }
  const auto kind = markerShapeOf(entry.legendBulletType);
  if (!kind) return;
  auto shape = CAShapeLayer::layer();
  shape->path = markerShapePath(*kind, side);
  shape->strokeColor = layerColorOf(entry.legendBulletStrokeLineColor);
  shape->fillColor = layerColorOf(entry.legendBulletFillColor);
  shape->lineWidth = entry.legendBulletStrokeLineWidth;
  record.addSublayer(bullet->layer(), std::move(shape));
}

void buildEntry(UIChart& chart, const std::shared_ptr<legend>& entry, CGFloat x, CGFloat y) {
  legend& l = *entry;
  const std::shared_ptr<UILabel>& label = l.legendLabel;
  const std::shared_ptr<UIView>& bullet = l.legendBullet;
  const CGFloat margin = legendMarginOf(l);

  const CGSize text = textSizeOf(label.get());
  const CGFloat side = fitBulletWidth(l, text);

  // The label keeps a size it already has; the bullet's cell is a square as high as the taller of the two.
  const CGRect labelFrame = frameOf(label);
  const CGSize labelSize = CGRectIsEmpty(labelFrame) ? text : labelFrame.size;
  const CGFloat cell = side < labelSize.height ? labelSize.height : side;
  if (label) label->setFrame(CGRectMake(cell + 2 * margin, 0, labelSize.width, labelSize.height));

  drawBulletShape(chart, l, side);

  const CGFloat labelHeight = frameOf(label).size.height;
  const CGFloat dy = side < labelHeight ? labelHeight * 0.5 - side * 0.5 : 0;
  if (bullet) bullet->setFrame(CGRectMake(margin + dy, dy, side, side));
  if (label && side > labelHeight) {
    CGRect centred = label->frame();
    centred.origin.y = side * 0.5 - labelHeight * 0.5;
    label->setFrame(centred);
  }

  ChartBindRecord& record = bindRecordOf(chart);
  record.addSubview(entry, bullet);
  record.addSubview(entry, label);

  const CGSize placed = frameOf(label).size;
  const CGFloat placedCell = side < placed.height ? placed.height : side;
  const CGFloat bulletHeight = frameOf(bullet).size.height;
  // A row adds a margin under a bullet that is taller than its label.
  const bool row = chart.legendsInterpositions == ChartLegendsInterpositionRow;
  const CGFloat height = placed.height > bulletHeight ? placed.height : bulletHeight + (row ? margin : 0);
  l.setFrame(CGRectMake(x, y, placed.width + placedCell + 3 * margin, height));

  record.addSubview(chart.legendZone, entry);
}

}  // namespace

void drawLegend(UIChart& chart, const std::shared_ptr<legend>& entry, CGFloat x, CGFloat y) {
  if (!entry) return;
  runProtected([&] { buildEntry(chart, entry, x, y); });
}

}  // namespace tarnavel
