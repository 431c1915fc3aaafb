#include "tarnavel/platform/controls/PickerFace.h"

#include <algorithm>
#include <cmath>

#include "tarnavel/platform/graphics/UIFont.h"

namespace tarnavel {

namespace {

constexpr CGFloat kCornerRadius = 6;
// Text inset from a wheel's sides, and text size, as fractions of the row height.
constexpr CGFloat kTextInset = 0.25;
constexpr CGFloat kTextSize = 0.5;
// A line closer than this to the face's edge would sit on its outline.
constexpr CGFloat kEdgeSlack = 0.5;

void strokeLine(CGContext& context, CGPoint from, CGPoint to, const CGColorRef& color) {
  CGPath line;
  line.moveTo(from);
  line.lineTo(to);
  CGStrokeStyle style;
  style.color = color;
  style.lineWidth = 0.5;
  context.strokePath(line, style);
}

void drawWheelRows(CGContext& context, CGRect wheel, const PickerWheel& rows, CGFloat rowHeight) {
  const auto font = UIFont::systemFontOfSize(std::max(1.0, rowHeight * kTextSize));
  const CGFloat inset = rowHeight * kTextInset;
  const int count = std::min(kPickerVisibleRows, static_cast<int>(rows.rows.size()));
  for (int row = 0; row < count; ++row) {
    if (rows.rows[row].empty()) continue;
    CGTextRun run;
    run.text = rows.rows[row];
    run.font = font;
    const bool selected = row == kPickerVisibleRows / 2;
    run.color = (selected ? UIColor::blackColor() : UIColor::grayColor())->CGColor();
    run.rect = CGRectMake(wheel.origin.x + inset, wheel.origin.y + row * rowHeight,
                          std::max(0.0, wheel.size.width - 2 * inset), rowHeight);
    run.alignment = rows.alignment;
    context.drawText(run);
  }
}

std::vector<PickerWheel> equalWheels(int wheels) {
  std::vector<PickerWheel> equal;
  for (int wheel = 0; wheel < wheels; ++wheel)
    equal.push_back({CGFloat(wheel) / wheels, CGFloat(wheel + 1) / wheels, {}, NSTextAlignment::Center});
  return equal;
}

// The band of the selected row across the middle, with row lines running out from its edges one row apart
// as far as the face reaches; rows under a point high would only grey the face.
void drawRowLinesAndBand(CGContext& context, CGRect box, CGFloat rowHeight) {
  const CGFloat left = box.origin.x;
  const CGFloat right = box.origin.x + box.size.width;
  const CGFloat top = box.origin.y;
  const CGFloat bottom = box.origin.y + box.size.height;
  const CGFloat bandTop = top + (box.size.height - rowHeight) / 2;
  if (rowHeight >= 1 && std::isfinite(box.size.height)) {
    const CGColorRef lineColor = UIColor::colorWithWhite(0.9, 1)->CGColor();
    for (int k = 0; bandTop - k * rowHeight > top + kEdgeSlack; ++k)
      strokeLine(context, {left, bandTop - k * rowHeight}, {right, bandTop - k * rowHeight}, lineColor);
    for (int k = 1; bandTop + k * rowHeight < bottom - kEdgeSlack; ++k)
      strokeLine(context, {left, bandTop + k * rowHeight}, {right, bandTop + k * rowHeight}, lineColor);
  }
  CGPath band;
  band.addRect(CGRectMake(left, bandTop, box.size.width, rowHeight));
  context.fillPath(band, UIColor::colorWithRed(0.85, 0.9, 1, 0.6)->CGColor());
}

void drawFace(CGContext& context, CGRect box, const std::vector<PickerWheel>& wheels, CGFloat rowHeight) {
  CGPath face;
  face.addRoundedRect(box, std::min(kCornerRadius, std::min(box.size.width, box.size.height) / 2));
  context.fillPath(face, UIColor::whiteColor()->CGColor());
  drawRowLinesAndBand(context, box, rowHeight);

  const CGFloat left = box.origin.x;
  for (const PickerWheel& wheel : wheels) {
    const CGFloat x0 = left + box.size.width * wheel.start;
    const CGFloat x1 = left + box.size.width * wheel.end;
    drawWheelRows(context, CGRectMake(x0, box.origin.y, x1 - x0, box.size.height), wheel, rowHeight);
    if (wheel.start > 0)
      strokeLine(context, {x0, box.origin.y}, {x0, box.origin.y + box.size.height},
                 UIColor::lightGrayColor()->CGColor());
  }
  CGStrokeStyle outline;
  outline.color = UIColor::grayColor()->CGColor();
  context.strokePath(face, outline);
}

}  // namespace

void drawPickerFace(CGContext& context, CGRect box, int wheels) {
  drawFace(context, box, equalWheels(wheels), box.size.height / kPickerVisibleRows);
}

void drawPickerFace(CGContext& context, CGRect box, const std::vector<PickerWheel>& wheels) {
  drawFace(context, box, wheels, box.size.height / kPickerVisibleRows);
}

void drawPickerFace(CGContext& context, CGRect box, int wheels, CGFloat rowHeight) {
  drawFace(context, box, equalWheels(wheels), rowHeight);
}

}  // namespace tarnavel
