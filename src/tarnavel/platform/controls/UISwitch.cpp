#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/foundation/NSException.h"

#include <algorithm>

#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

namespace {

constexpr CGFloat kKnobInset = 2;

CGRect atNaturalSize(CGRect frame) {
  return {frame.origin, UISwitch::kNaturalSize};
}

}  // namespace

UISwitch::UISwitch(CGRect frame) : UIControl(atNaturalSize(frame)) {}

UISwitch::UISwitch(const NSCoder& coder) : UIControl(coder) {
  setFrame(atNaturalSize(frame()));
}

void UISwitch::tap() {
  runProtected([&] {
    if (!enabled || !userInteractionEnabled) return;
    on = !on;
    sendActionsForControlEvents(UIControlEventValueChanged);
  });
}

void UISwitch::drawContent(CGContext& context) const {
  const CGRect box = bounds();
  const CGFloat radius = std::min(box.size.width, box.size.height) / 2;
  CGPath track;
  track.addRoundedRect(box, radius);
  if (on) {
    const auto tint = onTintColor ? onTintColor : UIColor::colorWithRed(0.3, 0.85, 0.39, 1);
    context.fillPath(track, tint->CGColor());
  } else {
    context.fillPath(track, UIColor::whiteColor()->CGColor());
    CGStrokeStyle outline;
    outline.color = UIColor::lightGrayColor()->CGColor();
    context.strokePath(track, outline);
  }
  const CGFloat knob = std::max(0.0, box.size.height - 2 * kKnobInset);
  const CGFloat knobX = on ? box.origin.x + box.size.width - kKnobInset - knob : box.origin.x + kKnobInset;
  CGPath knobPath;
  knobPath.addEllipseInRect(CGRectMake(knobX, box.origin.y + kKnobInset, knob, knob));
  context.fillPath(knobPath, (thumbTintColor ? thumbTintColor : UIColor::whiteColor())->CGColor());
  CGStrokeStyle knobOutline;
  knobOutline.color = UIColor::grayColor()->CGColor();
  knobOutline.lineWidth = 0.5;
  context.strokePath(knobPath, knobOutline);
}

}  // namespace tarnavel
