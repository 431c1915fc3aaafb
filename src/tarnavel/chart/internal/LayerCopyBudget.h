#pragma once

#include <cstddef>

#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {

/// How many layers the copies of one bind (a cylinder's body, a 3D pie's wall, copies of a cylinder's top)
/// may hold in all. A body or a wall puts a copy every half point, and no page is drawn more than
/// kLargestRenderedSide points a side, so a run of copies across the largest page is 32,768 copies; a bind
/// copies at most eight times that many layers, whatever the plot's size: about a quarter of a gigabyte at
/// worst, far above what a chart of real size needs (a 960 x 540 chart of 48 cylinders copies about 52,000).
inline constexpr std::size_t kCopiedLayersPerBind = 8 * 2 * std::size_t{kLargestRenderedSide};

/// What is left of one bind's allowance of copied layers.
class LayerCopyBudget {
 public:
  /// How many of `wanted` copies of a tree of `layersPerCopy` layers the allowance still holds; they are
  /// taken from it. The first time it holds fewer than wanted, the reason is noted among the swallowed
  /// exceptions, and the bind goes on with the copies it got.
  std::size_t take(std::size_t wanted, std::size_t layersPerCopy);

 private:
  std::size_t left_ = kCopiedLayersPerBind;
  bool noted_ = false;
};

}  // namespace tarnavel
