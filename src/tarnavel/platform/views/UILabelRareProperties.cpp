#include "tarnavel/platform/internal/UILabelRareProperties.h"

#include "tarnavel/platform/internal/RareProperties.h"

namespace tarnavel {

NSInteger UILabel::baselineAdjustment() const {
  return readRareProperties(rare_).baselineAdjustment;
}
void UILabel::setBaselineAdjustment(NSInteger adjustment) {
  writeRareProperty(rare_, &UILabelRareProperties::baselineAdjustment, adjustment);
}

CGFloat UILabel::minimumScaleFactor() const {
  return readRareProperties(rare_).minimumScaleFactor;
}
void UILabel::setMinimumScaleFactor(CGFloat factor) {
  writeRareProperty(rare_, &UILabelRareProperties::minimumScaleFactor, factor);
}

CGFloat UILabel::preferredMaxLayoutWidth() const {
  return readRareProperties(rare_).preferredMaxLayoutWidth;
}
void UILabel::setPreferredMaxLayoutWidth(CGFloat width) {
  writeRareProperty(rare_, &UILabelRareProperties::preferredMaxLayoutWidth, width);
}

const std::shared_ptr<UIColor>& UILabel::highlightedTextColor() const {
  return readRareProperties(rare_).highlightedTextColor;
}
void UILabel::setHighlightedTextColor(std::shared_ptr<UIColor> color) {
  writeRareProperty(rare_, &UILabelRareProperties::highlightedTextColor, std::move(color));
}

const std::shared_ptr<UIColor>& UILabel::shadowColor() const {
  return readRareProperties(rare_).shadowColor;
}
void UILabel::setShadowColor(std::shared_ptr<UIColor> color) {
  writeRareProperty(rare_, &UILabelRareProperties::shadowColor, std::move(color));
}

CGSize UILabel::shadowOffset() const {
  return readRareProperties(rare_).shadowOffset;
}
void UILabel::setShadowOffset(CGSize offset) {
  writeRareProperty(rare_, &UILabelRareProperties::shadowOffset, offset);
}

}  // namespace tarnavel
