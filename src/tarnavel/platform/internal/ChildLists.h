#pragma once

// Internal: taking many children out of a view's or a layer's child list at once.

#include <memory>
#include <vector>

namespace tarnavel {

/// Moves every child that `which` picks out of `children` in one pass, keeping the others in order, and
/// returns them in order; they stay alive as long as the caller holds what is returned.
template <class Node, class Which>
std::vector<std::shared_ptr<Node>> takeOutChildren(std::vector<std::shared_ptr<Node>>& children,
                                                   Which which) {
  std::vector<std::shared_ptr<Node>> taken;
  auto kept = children.begin();
  for (auto& child : children) {
    if (which(*child)) {
      taken.push_back(std::move(child));
    } else {
      if (&*kept != &child) *kept = std::move(child);
      ++kept;
    }
  }
  children.erase(kept, children.end());
  return taken;
}

}  // namespace tarnavel
