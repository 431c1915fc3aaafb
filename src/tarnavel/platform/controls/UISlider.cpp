#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/foundation/NSException.h"

#include <algorithm>
#include <cmath>

#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

namespace {

constexpr CGFloat kTrackHeight = 2;
constexpr CGFloat kThumbDiameter = 14;

CGColorRef colorOr(const std::shared_ptr<UIColor>& color, const std::shared_ptr<UIColor>& plain) {
  return (color ? color : plain)->CGColor();
}

}  // namespace

UISlider::UISlider(CGRect frame) : UIControl(frame) {}

UISlider::UISlider(const NSCoder& coder) : UIControl(coder) {}

void UISlider::setMinimumValue(float minimum) {
  if (!std::isfinite(minimum)) return;
  minimumValue_ = minimum;
  givenMinimum_ = minimum;
  maximumValue_ = std::max(maximumValue_, minimum);
  limitValue();
}

void UISlider::setMaximumValue(float maximum) {
  if (!std::isfinite(maximum)) return;
  maximumValue_ = maximum;
  givenMaximum_ = maximum;
  minimumValue_ = std::min(minimumValue_, maximum);
  limitValue();
}

void UISlider::setValue(float value) {
  value_ = value;
  limitValue();
}

void UISlider::dragToValue(float target) {
  runProtected([&] {
    if (!enabled || !userInteractionEnabled || std::isnan(target)) return;
    const float before = value_;
    setValue(target);
    // One move then the lift: either way a single ValueChanged, sent at the moment the toolkit sends it.
    if (value_ != before) sendActionsForControlEvents(UIControlEventValueChanged);
  });
}

void UISlider::limitValue() {
  value_ = std::isnan(value_) ? minimumValue_ : std::clamp(value_, minimumValue_, maximumValue_);
}

void UISlider::drawContent(CGContext& context) const {
  const CGRect box = bounds();
  const CGFloat thumb = std::min({kThumbDiameter, box.size.width, box.size.height});
  const CGFloat span = maximumValue_ - minimumValue_;
  const CGFloat fraction = span > 0 ? (value_ - minimumValue_) / span : 0;
  const CGFloat left = box.origin.x + thumb / 2;
  const CGFloat travel = std::max(0.0, box.size.width - thumb);
  const CGFloat thumbX = left + travel * fraction;
  const CGFloat midY = box.origin.y + box.size.height / 2;

  CGPath filled;
  filled.addRect(CGRectMake(left, midY - kTrackHeight / 2, thumbX - left, kTrackHeight));
  context.fillPath(filled, colorOr(minimumTrackTintColor, UIColor::colorWithRed(0, 0.48, 1, 1)));
  CGPath rest;
  rest.addRect(CGRectMake(thumbX, midY - kTrackHeight / 2, left + travel - thumbX, kTrackHeight));
  context.fillPath(rest, colorOr(maximumTrackTintColor, UIColor::lightGrayColor()));

  CGPath thumbPath;
  thumbPath.addEllipseInRect(CGRectMake(thumbX - thumb / 2, midY - thumb / 2, thumb, thumb));
  context.fillPath(thumbPath, colorOr(thumbTintColor, UIColor::whiteColor()));
  CGStrokeStyle outline;
  outline.color = UIColor::grayColor()->CGColor();
  outline.lineWidth = 0.5;
  context.strokePath(thumbPath, outline);
}

}  // namespace tarnavel
