#include "tarnavel/platform/controls/PickerFace.h"

#include <algorithm>

namespace tarnavel {

namespace {

constexpr int kVisibleRows = 5;
constexpr CGFloat kCornerRadius = 6;

void strokeLine(CGContext& context, CGPoint from, CGPoint to, const CGColorRef& color) {
  CGPath line;
  line.moveTo(from);
  line.lineTo(to);
  CGStrokeStyle style;
  style.color = color;
  style.lineWidth = 0.5;
  context.strokePath(line, style);
}

}  // namespace

void drawPickerFace(CGContext& context, CGRect box, int wheels) {
  CGPath face;
  face.addRoundedRect(box, std::min(kCornerRadius, std::min(box.size.width, box.size.height) / 2));
  context.fillPath(face, UIColor::whiteColor()->CGColor());

  const CGFloat rowHeight = box.size.height / kVisibleRows;
  const CGFloat left = box.origin.x;
  const CGFloat right = box.origin.x + box.size.width;
  for (int row = 1; row < kVisibleRows; ++row) {
    const CGFloat y = box.origin.y + row * rowHeight;
    strokeLine(context, {left, y}, {right, y}, UIColor::colorWithWhite(0.9, 1)->CGColor());
  }
  CGPath band;
  band.addRect(CGRectMake(left, box.origin.y + 2 * rowHeight, box.size.width, rowHeight));
  context.fillPath(band, UIColor::colorWithRed(0.85, 0.9, 1, 0.6)->CGColor());

  for (int wheel = 1; wheel < wheels; ++wheel) {
    const CGFloat x = left + box.size.width * wheel / wheels;
    strokeLine(context, {x, box.origin.y}, {x, box.origin.y + box.size.height},
               UIColor::lightGrayColor()->CGColor());
  }
  CGStrokeStyle outline;
  outline.color = UIColor::grayColor()->CGColor();
  context.strokePath(face, outline);
}

}  // namespace tarnavel
