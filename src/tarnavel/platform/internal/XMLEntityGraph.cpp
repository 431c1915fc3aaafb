#include "tarnavel/platform/internal/XMLEntityGraph.h"

#include <algorithm>

namespace tarnavel {

namespace {

// Calls `visit` with the name of each entity reference (`&name;`) in `text`; character references (`&#...;`)
// are not entity references.
template <class Visit>
void forEachEntityReference(std::string_view text, Visit visit) {
  std::size_t at = text.find('&');
  while (at != std::string_view::npos) {
    const std::size_t end = text.find(';', at + 1);
    if (end == std::string_view::npos) return;
    if (end > at + 1 && text[at + 1] != '#') visit(text.substr(at + 1, end - at - 1));
    at = text.find('&', end + 1);
  }
}

}  // namespace

int XMLEntityGraph::declare(std::string_view name, std::string_view replacementText, int limit) {
  // The first declaration of a name is the one the parser keeps.
  const auto [found, inserted] = indexByName_.try_emplace(std::string(name), nodes_.size());
  if (!inserted) return 0;
  const std::size_t self = found->second;
  nodes_.emplace_back();

  int depth = 1;
  forEachEntityReference(replacementText, [&](std::string_view referenced) {
    const auto known = indexByName_.find(std::string(referenced));
    if (known == indexByName_.end()) {
      waiting_[std::string(referenced)].push_back(self);
      return;
    }
    if (known->second == self) {
      depth = limit + 1;  // refers to itself
      return;
    }
    nodes_[known->second].referrers.push_back(self);
    depth = std::max(depth, std::min(nodes_[known->second].depth + 1, limit + 1));
  });
  nodes_[self].depth = depth;

  if (const auto pending = waiting_.find(std::string(name)); pending != waiting_.end()) {
    nodes_[self].referrers = std::move(pending->second);
    waiting_.erase(pending);
  }
  return std::max(depth, deepenReferrers(self, limit));
}

int XMLEntityGraph::deepenReferrers(std::size_t start, int limit) {
  int deepest = 0;
  std::vector<std::size_t> work{start};
  while (!work.empty()) {
    const std::size_t node = work.back();
    work.pop_back();
    const int reached = nodes_[node].depth + 1;
    for (const std::size_t referrer : nodes_[node].referrers) {
      if (nodes_[referrer].depth >= reached) continue;
      nodes_[referrer].depth = reached;
      deepest = std::max(deepest, reached);
      // Past the limit the caller stops; going on could only circle a cycle.
      if (reached > limit) return deepest;
      work.push_back(referrer);
    }
  }
  return deepest;
}

}  // namespace tarnavel
