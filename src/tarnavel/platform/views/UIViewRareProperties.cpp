#include "tarnavel/platform/internal/UIViewRareProperties.h"

#include "tarnavel/platform/internal/RareProperties.h"

namespace tarnavel {

NSUInteger UIView::autoresizingMask() const {
  return readRareProperties(rare_).autoresizingMask;
}
void UIView::setAutoresizingMask(NSUInteger mask) {
  writeRareProperty(rare_, &UIViewRareProperties::autoresizingMask, mask);
}

NSInteger UIView::contentMode() const {
  return readRareProperties(rare_).contentMode;
}
void UIView::setContentMode(NSInteger mode) {
  writeRareProperty(rare_, &UIViewRareProperties::contentMode, mode);
}

CGFloat UIView::contentScaleFactor() const {
  return readRareProperties(rare_).contentScaleFactor;
}
void UIView::setContentScaleFactor(CGFloat factor) {
  writeRareProperty(rare_, &UIViewRareProperties::contentScaleFactor, factor);
}

NSInteger UIView::tintAdjustmentMode() const {
  return readRareProperties(rare_).tintAdjustmentMode;
}
void UIView::setTintAdjustmentMode(NSInteger mode) {
  writeRareProperty(rare_, &UIViewRareProperties::tintAdjustmentMode, mode);
}

const std::shared_ptr<UIColor>& UIView::tintColor() const {
  return readRareProperties(rare_).tintColor;
}
void UIView::setTintColor(std::shared_ptr<UIColor> color) {
  writeRareProperty(rare_, &UIViewRareProperties::tintColor, std::move(color));
}

const std::optional<std::string>& UIView::restorationIdentifier() const {
  return readRareProperties(rare_).restorationIdentifier;
}
void UIView::setRestorationIdentifier(std::optional<std::string> identifier) {
  writeRareProperty(rare_, &UIViewRareProperties::restorationIdentifier, std::move(identifier));
}

const std::optional<std::string>& UIView::accessibilityIdentifier() const {
  return readRareProperties(rare_).accessibilityIdentifier;
}
void UIView::setAccessibilityIdentifier(std::optional<std::string> identifier) {
  writeRareProperty(rare_, &UIViewRareProperties::accessibilityIdentifier, std::move(identifier));
}

const Value& UIView::accessibilityValue() const {
  return readRareProperties(rare_).accessibilityValue;
}
void UIView::setAccessibilityValue(Value value) {
  writeRareProperty(rare_, &UIViewRareProperties::accessibilityValue, std::move(value));
}

const Value& UIView::motionEffects() const {
  return readRareProperties(rare_).motionEffects;
}
void UIView::setMotionEffects(Value effects) {
  writeRareProperty(rare_, &UIViewRareProperties::motionEffects, std::move(effects));
}

const std::optional<std::string>& UIView::accessibilityHint() const {
  return readRareProperties(accessibilityTexts_).hint;
}
void UIView::setAccessibilityHint(std::optional<std::string> hint) {
  writeRareProperty(accessibilityTexts_, &UIViewAccessibilityTexts::hint, std::move(hint));
}

const std::optional<std::string>& UIView::accessibilityLabel() const {
  return readRareProperties(accessibilityTexts_).label;
}
void UIView::setAccessibilityLabel(std::optional<std::string> label) {
  writeRareProperty(accessibilityTexts_, &UIViewAccessibilityTexts::label, std::move(label));
}

}  // namespace tarnavel
