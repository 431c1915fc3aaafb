#pragma once

// Internal: how deep into a view or layer tree the renderer draws and taps reach.

namespace tarnavel {

/// Layers deeper than this below the root (at depth 0) are neither drawn nor hit by a tap, so that walking
/// the tree by recursion cannot exhaust the stack; real trees are a few dozen levels deep.
inline constexpr int kDeepestDrawnLayer = 256;

}  // namespace tarnavel
