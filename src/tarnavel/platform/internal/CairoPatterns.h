#pragma once

// Internal: colours and gradient patterns for the Cairo drawing context.

#include <cairo.h>

#include <array>

#include "tarnavel/platform/internal/EngineHandles.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// Colour components brought into [0, 1], a non-finite one to 0, as Cairo needs them.
std::array<CGFloat, 4> unitRgba(const std::array<CGFloat, 4>& rgba);

/// A linear gradient pattern along start-end, or null when there is nothing to draw (no usable stop, or
/// start and end at the same point).
CairoPatternHandle createLinearGradientPattern(const CGGradient& gradient, CGPoint start, CGPoint end,
                                               CGGradientDrawingOptions options);

/// A radial gradient pattern between two circles, or null when there is nothing to draw.
CairoPatternHandle createRadialGradientPattern(const CGGradient& gradient, CGPoint startCenter,
                                               CGFloat startRadius, CGPoint endCenter, CGFloat endRadius,
                                               CGGradientDrawingOptions options);

}  // namespace tarnavel
