#pragma once

// Internal: how deeply the general entities a document declares refer to one another.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnavel {

/// The general entities declared so far and the depth of each: 1 for one whose replacement text refers to no
/// declared entity, otherwise one more than the deepest entity it refers to. The parser expands an entity by
/// recursion, one level per depth, so bounding the depth bounds the stack that expansion takes. Declaring an
/// entity that an earlier one already refers to deepens the earlier one too.
class XMLEntityGraph {
 public:
  /// Records the entity `name` with `replacementText` (empty for an external entity). Returns the deepest
  /// depth of any declared entity, capped just above `limit`: once it passes `limit` the caller stops, so
  /// the work done here stays bounded even for entities that refer to one another in a cycle.
  int declare(std::string_view name, std::string_view replacementText, int limit);

  /// How many distinct entities were declared.
  std::size_t count() const { return nodes_.size(); }

 private:
  struct Node {
    int depth = 1;
    // The entities whose replacement text refers to this one.
    std::vector<std::size_t> referrers;
  };

  // Raises the depth of every entity that refers to `start`, transitively; returns the deepest depth reached.
  int deepenReferrers(std::size_t start, int limit);

  std::unordered_map<std::string, std::size_t> indexByName_;
  std::vector<Node> nodes_;
  // References to names not declared yet: the referring entities, by referenced name.
  std::unordered_map<std::string, std::vector<std::size_t>> waiting_;
};

}  // namespace tarnavel
