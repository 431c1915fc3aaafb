#pragma once

// Internal: which installed face a font resolves to, for checks of the font setup.

#include <string>

#include "tarnavel/platform/graphics/UIFont.h"

namespace tarnavel {

/// The installed face that fontconfig picks for a font.
struct ResolvedFontFace {
  std::string family;
  bool bold = false;
  bool italic = false;
};

ResolvedFontFace resolveFontFace(const UIFont& font);

}  // namespace tarnavel
