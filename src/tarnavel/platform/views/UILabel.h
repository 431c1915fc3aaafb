#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/render/CGContext.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// A single-line (by default) text view. Its text may be null, which is not the same as "". It takes no
/// touches unless `userInteractionEnabled` is turned on.
class UILabel : public UIView {
 public:
  explicit UILabel(CGRect frame = CGRectZero);
  explicit UILabel(const NSCoder& coder);

  const std::optional<std::string>& text() const { return text_; }
  void setText(std::optional<std::string> text) { text_ = std::move(text); }
  /// The system font at 17 until set; setting null restores that default.
  const std::shared_ptr<UIFont>& font() const { return font_; }
  void setFont(std::shared_ptr<UIFont> font);
  /// Black until set; setting null restores that default.
  const std::shared_ptr<UIColor>& textColor() const { return textColor_; }
  void setTextColor(std::shared_ptr<UIColor> color);

  NSTextAlignment textAlignment = NSTextAlignment::Natural;
  NSInteger numberOfLines = 1;
  NSInteger lineBreakMode = 4;  // truncating the tail
  NSInteger baselineAdjustment = 0;
  bool adjustsFontSizeToFitWidth = false;
  CGFloat minimumScaleFactor = 0;
  CGFloat preferredMaxLayoutWidth = 0;
  bool enabled = true;
  bool highlighted = false;
  std::shared_ptr<UIColor> highlightedTextColor;
  std::shared_ptr<UIColor> shadowColor;
  CGSize shadowOffset{0, -1};

  void drawContent(CGContext& context) const override;

 private:
  void applyLabelDefaults();

  std::optional<std::string> text_;
  std::shared_ptr<UIFont> font_;
  std::shared_ptr<UIColor> textColor_;
};

}  // namespace tarnavel
