#include "tarnavel/platform/controls/UITextView.h"
#include "tarnavel/platform/foundation/NSException.h"

#include "tarnavel/platform/internal/TypedCharacters.h"

namespace tarnavel {

namespace {
constexpr CGFloat kDefaultFontSize = 12;
constexpr CGFloat kLineFragmentPadding = 5;
// The text's length in the toolkit's text positions (UTF-16 units).
NSUInteger textPositions(std::string_view utf8) {
  NSUInteger units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}

}  // namespace

UITextView::UITextView(CGRect frame) : UIScrollView(frame) {}

UITextView::UITextView(const NSCoder& coder) : UIScrollView(coder) {}

std::shared_ptr<UITextViewDelegate> UITextView::delegate() const {
  return std::dynamic_pointer_cast<UITextViewDelegate>(UIScrollView::delegate());
}

void UITextView::setDelegate(const std::shared_ptr<UITextViewDelegate>& delegate) {
  UIScrollView::setDelegate(delegate);
}

bool UITextView::beginEditing() {
  if (editing_) return true;
  if (!editable || !userInteractionEnabled) return false;
  if (const auto listener = delegate(); listener && !listener->textViewShouldBeginEditing(*this))
    return false;
  editing_ = true;
  if (const auto listener = delegate()) listener->textViewDidBeginEditing(*this);
  return true;
}

void UITextView::typeText(std::string_view typed) {
  runProtected([&] {
    if (!beginEditing()) return;
    forEachTypedCharacter(typed, [&](std::string_view character) {
      text.append(character);
      selectedTextRange = NSRange{textPositions(text), 0};
      // The caret moves with the character, before the change is reported, as on the toolkit.
      if (const auto listener = delegate()) listener->textViewDidChangeSelection(*this);
      if (const auto listener = delegate()) listener->textViewDidChange(*this);
    });
  });
}

bool UITextView::endEditing() {
  runProtected([&] {
    if (!editing_) return;
    if (const auto listener = delegate(); listener && !listener->textViewShouldEndEditing(*this)) return;
    editing_ = false;
    if (const auto listener = delegate()) listener->textViewDidEndEditing(*this);
  });
  return !editing_;
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
