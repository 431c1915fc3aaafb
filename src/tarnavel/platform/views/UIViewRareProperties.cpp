#include "tarnavel/platform/internal/UIViewRareProperties.h"

#include "tarnavel/platform/internal/RareProperties.h"

namespace tarnavel {

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

}  // namespace tarnavel
