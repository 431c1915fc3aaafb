#pragma once

#include <memory>

#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"

namespace tarnavel {

// The not-set markers. A colour or font property holding the very marker object counts as not set, so a
// bind leaves the column's or the grid's value in place; any other object, even an equal-looking one, is set.

/// The shared clear colour, UIColor::clearColor(); tested by identity.
const std::shared_ptr<UIColor>& kDataGridUnsetColor();
/// The font "Verdana" at size 1; tested by identity (fonts are shared per name and size, so any font of that
/// name and size counts as not set).
const std::shared_ptr<UIFont>& kDataGridUnsetFont();
/// A slider template's minimumValue / maximumValue that leaves the column's bound in place.
inline constexpr float kDataGridUnsetSliderBound = -0.001f;
/// The slider column's default borderWidth.
inline constexpr float kDataGridUnsetSliderBorderWidth = -0.01f;

}  // namespace tarnavel
