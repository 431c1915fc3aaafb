#include "tarnavel/platform/graphics/TextMeasure.h"

#include <utility>

namespace tarnavel {

namespace {

TextMeasurer& currentMeasurer() {
  static TextMeasurer measurer;
  return measurer;
}

std::size_t countCodePoints(std::string_view text) {
  std::size_t count = 0;
  for (unsigned char c : text)
    count += (c & 0xC0) != 0x80;
  return count;
}

}  // namespace

CGSize sizeWithFont(const std::optional<std::string>& text, const std::shared_ptr<UIFont>& font) {
  if (!text || text->empty()) return {};
  const std::shared_ptr<UIFont> measuredFont = font ? font : UIFont::systemFontOfSize(12);
  const TextMeasurer& measurer = currentMeasurer();
  return measurer ? measurer(*text, *measuredFont) : measureTextWithPango(*text, *measuredFont);
}

void setTextMeasurer(TextMeasurer measurer) {
  currentMeasurer() = std::move(measurer);
}

TextMeasurer fixedTextMeasurer(CGFloat advance, CGFloat lineHeight) {
  return [advance, lineHeight](std::string_view text, const UIFont&) {
    return CGSize{static_cast<CGFloat>(countCodePoints(text)) * advance, lineHeight};
  };
}

ScopedTextMeasurer::ScopedTextMeasurer(TextMeasurer measurer) : previous_(std::move(currentMeasurer())) {
  currentMeasurer() = std::move(measurer);
}

ScopedTextMeasurer::~ScopedTextMeasurer() {
  currentMeasurer() = std::move(previous_);
}

}  // namespace tarnavel
