// Placeholder until Pango measuring lands.
#include "tarnavel/platform/TextMeasure.h"

namespace tarnavel {

CGSize measureTextWithPango(std::string_view text, const UIFont& font) {
  return {static_cast<CGFloat>(text.size()) * font.pointSize() * 0.6, font.pointSize() * 1.2};
}

}  // namespace tarnavel
