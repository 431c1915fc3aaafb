#include "tarnavel/platform/controls/UIButton.h"

#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

UIButton::UIButton(CGRect frame) : UIControl(frame) {}

UIButton::UIButton(const NSCoder& coder) : UIControl(coder) {}

void UIButton::setTitle(std::optional<std::string> title, UIControlState state) {
  titles_[state] = std::move(title);
}

const std::optional<std::string>& UIButton::titleForState(UIControlState state) const {
  static const std::optional<std::string> none;
  if (auto found = titles_.find(state); found != titles_.end() && found->second) return found->second;
  if (auto normal = titles_.find(UIControlStateNormal); normal != titles_.end()) return normal->second;
  return none;
}

void UIButton::setTitleColor(std::shared_ptr<UIColor> color, UIControlState state) {
  titleColors_[state] = std::move(color);
}

std::shared_ptr<UIColor> UIButton::titleColorForState(UIControlState state) const {
  if (auto found = titleColors_.find(state); found != titleColors_.end() && found->second)
    return found->second;
  if (auto normal = titleColors_.find(UIControlStateNormal); normal != titleColors_.end())
    return normal->second;
  return nullptr;
}

UIControlState UIButton::currentState() const {
  if (!enabled) return UIControlStateDisabled;
  if (highlighted) return UIControlStateHighlighted;
  if (selected) return UIControlStateSelected;
  return UIControlStateNormal;
}

void UIButton::drawContent(CGContext& context) const {
  const UIControlState state = currentState();
  const auto& title = titleForState(state);
  if (!title || title->empty()) return;
  const CGRect box = bounds();
  const CGSize textSize = sizeWithFont(title, titleLabel_->font());
  const CGRect textRect =
      CGRectMake(box.origin.x + (box.size.width - textSize.width) / 2,
                 box.origin.y + (box.size.height - textSize.height) / 2, textSize.width, textSize.height);
  if (const auto& labelBackground = titleLabel_->backgroundColor()) {
    CGPath path;
    path.addRect(textRect);
    context.fillPath(path, labelBackground->CGColor());
  }
  const auto color = titleColorForState(state);
  CGTextRun run;
  run.text = *title;
  run.font = titleLabel_->font();
  run.color = (color ? color : titleLabel_->textColor())->CGColor();
  run.rect = box;
  run.alignment = NSTextAlignment::Center;
  context.drawText(run);
}

}  // namespace tarnavel
