#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tarnavel/platform/geometry/Geometry.h"
#include "tarnavel/platform/graphics/UIFont.h"

namespace tarnavel {

/// Measures the single-line size of a text in a font.
using TextMeasurer = std::function<CGSize(std::string_view text, const UIFont& font)>;

/// The size of `text` drawn on one line in `font`, in fractional points: what the toolkit's
/// sizeWithAttributes: with a font attribute answers. A null text, or an empty one, measures (0, 0); a null
/// font measures with the system font at 12.
CGSize sizeWithFont(const std::optional<std::string>& text, const std::shared_ptr<UIFont>& font);

/// Replaces the measurer used by `sizeWithFont` (an empty function restores the real one, through Pango).
void setTextMeasurer(TextMeasurer measurer);
/// The real measurer, through Pango and fontconfig.
CGSize measureTextWithPango(std::string_view text, const UIFont& font);
/// A measurer with fixed metrics for exact layout tests: each character (UTF-8 code point) is `advance`
/// points wide and every line `lineHeight` points high, whatever the font.
TextMeasurer fixedTextMeasurer(CGFloat advance, CGFloat lineHeight);

/// Installs a measurer for the lifetime of this object and restores the previous one after.
class ScopedTextMeasurer {
 public:
  explicit ScopedTextMeasurer(TextMeasurer measurer);
  ~ScopedTextMeasurer();
  ScopedTextMeasurer(const ScopedTextMeasurer&) = delete;
  ScopedTextMeasurer& operator=(const ScopedTextMeasurer&) = delete;

 private:
  TextMeasurer previous_;
};

}  // namespace tarnavel
