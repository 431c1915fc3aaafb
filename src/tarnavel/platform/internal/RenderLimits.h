#pragma once

// Internal: the limits the renderer keeps, shared with the code that must agree with it (hit-testing, image
// loading).

#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {

/// Layers deeper than this below the root (at depth 0) are neither drawn nor hit by a tap, so that walking
/// the tree by recursion cannot exhaust the stack; real trees are a few dozen levels deep.
inline constexpr int kDeepestDrawnLayer = 256;

/// The largest image, in pixels: a side, and the area (a quarter of a gigabyte of ARGB pixels).
inline constexpr int kLargestImageSide = kLargestRenderedSide;
inline constexpr double kLargestImageArea = double{1 << 26};

}  // namespace tarnavel
