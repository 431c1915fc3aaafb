#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/foundation/NSException.h"

#include <algorithm>

#include "tarnavel/platform/geometry/CGPath.h"
#include "tarnavel/platform/internal/TypedCharacters.h"

namespace tarnavel {

namespace {

constexpr CGFloat kDefaultFontSize = 17;
constexpr CGFloat kTextInset = 3;
constexpr CGFloat kRoundedTextInset = 7;
constexpr CGFloat kRoundedCorner = 5;

void strokeFieldBorder(CGContext& context, CGRect box, NSInteger borderStyle) {
  if (borderStyle < 1 || borderStyle > 3) return;
  CGPath path;
  const CGRect inner =
      CGRectMake(box.origin.x + 0.5, box.origin.y + 0.5, box.size.width - 1, box.size.height - 1);
  if (borderStyle == 3) {
    path.addRoundedRect(inner, kRoundedCorner);
  } else {
    path.addRect(inner);
  }
  CGStrokeStyle style;
  style.color = (borderStyle == 1 ? UIColor::darkGrayColor() : UIColor::grayColor())->CGColor();
  context.strokePath(path, style);
}

}  // namespace

UITextField::UITextField(CGRect frame) : UIControl(frame) {}

UITextField::UITextField(const NSCoder& coder) : UIControl(coder) {}

bool UITextField::beginEditing() {
  if (!enabled || !userInteractionEnabled) return false;
  if (editing_) return true;
  editing_ = true;
  typingEntry_ = false;
  if (clearsOnBeginEditing) text.clear();
  sendActionsForControlEvents(UIControlEventEditingDidBegin);
  return true;
}

void UITextField::typeText(std::string_view typed) {
  runProtected([&] {
    if (!beginEditing()) return;
    forEachTypedCharacter(typed, [&](std::string_view character) {
      text.append(character);
      typingEntry_ = true;
      sendActionsForControlEvents(UIControlEventEditingChanged);
    });
  });
}

void UITextField::replaceAllText(std::string_view replacement) {
  runProtected([&] {
    if (!beginEditing()) return;
    text = replacement;
    typingEntry_ = false;
    sendActionsForControlEvents(UIControlEventEditingChanged);
  });
}

void UITextField::endEditing() {
  runProtected([&] {
    if (!editing_) return;
    editing_ = false;
    sendActionsForControlEvents(UIControlEventEditingDidEnd);
    typingEntry_ = false;
  });
}

void UITextField::drawContent(CGContext& context) const {
  const CGRect box = bounds();
  strokeFieldBorder(context, box, borderStyle);
  const bool showsPlaceholder = text.empty();
  if (showsPlaceholder && (!placeholder || placeholder->empty())) return;
  CGTextRun run;
  run.text = showsPlaceholder ? *placeholder : text;
  run.font = font ? font : UIFont::systemFontOfSize(kDefaultFontSize);
  run.color = showsPlaceholder ? UIColor::lightGrayColor()->CGColor()
                               : (textColor ? textColor : UIColor::blackColor())->CGColor();
  const CGFloat inset = borderStyle == 3 ? kRoundedTextInset : kTextInset;
  run.rect = CGRectMake(box.origin.x + inset, box.origin.y, box.size.width - 2 * inset, box.size.height);
  run.alignment = textAlignment;
  context.drawText(run);
}

}  // namespace tarnavel
