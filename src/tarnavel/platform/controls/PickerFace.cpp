#include "tarnavel/platform/controls/PickerFace.h"

#include <algorithm>
#include <cmath>

namespace tarnavel {

namespace {

constexpr int kVisibleRows = 5;
constexpr CGFloat kCornerRadius = 6;
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

}  // namespace

void drawPickerFace(CGContext& context, CGRect box, int wheels) {
  drawPickerFace(context, box, wheels, box.size.height / kVisibleRows);
}

void drawPickerFace(CGContext& context, CGRect box, int wheels, CGFloat rowHeight) {
  CGPath face;
  face.addRoundedRect(box, std::min(kCornerRadius, std::min(box.size.width, box.size.height) / 2));
  context.fillPath(face, UIColor::whiteColor()->CGColor());

  const CGFloat left = box.origin.x;
  const CGFloat right = box.origin.x + box.size.width;
  const CGFloat top = box.origin.y;
  const CGFloat bottom = box.origin.y + box.size.height;
  const CGFloat bandTop = top + (box.size.height - rowHeight) / 2;
  // Lines run out from the band's edges, one row apart, as far as the face reaches; rows under a point high
  // would only grey the face.
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

  for (int wheel = 1; wheel < wheels; ++wheel) {
    const CGFloat x = left + box.size.width * wheel / wheels;
    strokeLine(context, {x, top}, {x, bottom}, UIColor::lightGrayColor()->CGColor());
  }
  CGStrokeStyle outline;
  outline.color = UIColor::grayColor()->CGColor();
  context.strokePath(face, outline);
}

}  // namespace tarnavel
