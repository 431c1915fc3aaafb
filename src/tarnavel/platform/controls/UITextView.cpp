#include "tarnavel/platform/controls/UITextView.h"

namespace tarnavel {

namespace {
constexpr CGFloat kDefaultFontSize = 12;
constexpr CGFloat kLineFragmentPadding = 5;
}  // namespace

UITextView::UITextView(CGRect frame) : UIScrollView(frame) {}

UITextView::UITextView(const NSCoder& coder) : UIScrollView(coder) {}

std::shared_ptr<UITextViewDelegate> UITextView::delegate() const {
  return std::dynamic_pointer_cast<UITextViewDelegate>(UIScrollView::delegate());
}

void UITextView::setDelegate(const std::shared_ptr<UITextViewDelegate>& delegate) {
  UIScrollView::setDelegate(delegate);
}

void UITextView::drawContent(CGContext& context) const {
  if (text.empty()) return;
  const CGRect area = UIEdgeInsetsInsetRect(bounds(), textContainerInset);
  CGTextRun run;
  run.text = text;
  run.font = font ? font : UIFont::systemFontOfSize(kDefaultFontSize);
  run.color = (textColor ? textColor : UIColor::blackColor())->CGColor();
  run.rect = UIEdgeInsetsInsetRect(area, UIEdgeInsetsMake(0, kLineFragmentPadding, 0, kLineFragmentPadding));
  run.alignment = textAlignment;
  run.maxLines = 0;
  context.drawText(run);
}

}  // namespace tarnavel
