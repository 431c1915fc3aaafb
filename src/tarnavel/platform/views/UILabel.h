#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/render/CGContext.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

struct UILabelRareProperties;

/// A single-line (by default) text view. Its text may be null, which is not the same as "". It takes no
/// touches unless `userInteractionEnabled` is turned on.
class UILabel : public UIView {
 public:
  explicit UILabel(CGRect frame = CGRectZero);
  explicit UILabel(const NSCoder& coder);
  ~UILabel() override;

  const std::optional<std::string>& text() const { return text_; }
  void setText(std::optional<std::string> text) { text_ = std::move(text); }
  /// The system font at 17 until set; setting null restores that default.
  const std::shared_ptr<UIFont>& font() const { return font_; }
  void setFont(const std::shared_ptr<UIFont>& font);
  /// Black until set; setting null restores that default.
  const std::shared_ptr<UIColor>& textColor() const { return textColor_; }
  void setTextColor(const std::shared_ptr<UIColor>& color);

  NSTextAlignment textAlignment = NSTextAlignment::Natural;
  bool adjustsFontSizeToFitWidth = false;
  bool enabled = true;
  bool highlighted = false;
  NSInteger numberOfLines = 1;
  NSInteger lineBreakMode = 4;  // truncating the tail

  // Rarely set stores, kept in a block made on the first write of a value other than the initial one.
  NSInteger baselineAdjustment() const;
  void setBaselineAdjustment(NSInteger adjustment);
  CGFloat minimumScaleFactor() const;
  void setMinimumScaleFactor(CGFloat factor);
  CGFloat preferredMaxLayoutWidth() const;
  void setPreferredMaxLayoutWidth(CGFloat width);
  const std::shared_ptr<UIColor>& highlightedTextColor() const;
  void setHighlightedTextColor(std::shared_ptr<UIColor> color);
  const std::shared_ptr<UIColor>& shadowColor() const;
  void setShadowColor(std::shared_ptr<UIColor> color);
  CGSize shadowOffset() const;  // (0, -1) until set
  void setShadowOffset(CGSize offset);
  /// Whether this label has made its block of rarely set stores.
  bool hasRareLabelProperties() const { return rare_ != nullptr; }

  void drawContent(CGContext& context) const override;

 private:
  void applyLabelDefaults();

  std::optional<std::string> text_;
  std::shared_ptr<UIFont> font_;
  std::shared_ptr<UIColor> textColor_;
  std::unique_ptr<UILabelRareProperties> rare_;
};

}  // namespace tarnavel
