#include "tarnavel/platform/views/UILabel.h"

#include "tarnavel/platform/internal/UILabelRareProperties.h"

namespace tarnavel {

namespace {

constexpr CGFloat kDefaultLabelFontSize = 17;

// Looked up once: every label starts with it, and the font cache takes a lock per lookup.
const std::shared_ptr<UIFont>& defaultLabelFont() {
  static const std::shared_ptr<UIFont> font = UIFont::systemFontOfSize(kDefaultLabelFontSize);
  return font;
}

}  // namespace

UILabel::UILabel(CGRect frame) : UIView(frame) {
  applyLabelDefaults();
}

UILabel::UILabel(const NSCoder& coder) : UIView(coder) {
  applyLabelDefaults();
  if (coder.userInteractionEnabled) userInteractionEnabled = *coder.userInteractionEnabled;
}

UILabel::~UILabel() = default;

void UILabel::applyLabelDefaults() {
  userInteractionEnabled = false;
  setFont(nullptr);
  setTextColor(nullptr);
}

void UILabel::setFont(const std::shared_ptr<UIFont>& font) {
  // Compared first: a bind sets the same shared font on thousands of labels, and each needless assignment
  // costs two atomic reference-count updates.
  const std::shared_ptr<UIFont>& chosen = font ? font : defaultLabelFont();
  if (font_ != chosen) font_ = chosen;
}

void UILabel::setTextColor(const std::shared_ptr<UIColor>& color) {
  const std::shared_ptr<UIColor>& chosen = color ? color : UIColor::blackColor();
  if (textColor_ != chosen) textColor_ = chosen;
}

void UILabel::drawContent(CGContext& context) const {
  if (!text_ || text_->empty()) return;
  CGTextRun run;
  run.text = *text_;
  run.font = font_;
  run.color = textColor_->CGColor();
  run.rect = bounds();
  run.alignment = textAlignment;
  run.maxLines = static_cast<int>(numberOfLines < 0 ? 0 : numberOfLines);
  context.drawText(run);
}

}  // namespace tarnavel
