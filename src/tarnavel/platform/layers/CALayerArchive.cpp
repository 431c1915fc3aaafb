#include "tarnavel/platform/layers/CALayerArchive.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tarnavel {

namespace {

// How deep a tree the archive follows; deeper layers are left out, as the renderer leaves them undrawn.
constexpr int kDeepestLayer = 256;

}  // namespace

// Copies a tree layer by layer, remembering each copy so that a layer reached twice is copied once. A
// sublayer or mask that is the layer itself or one of its ancestors is left out: the copies would hold
// each other and never be released.
class LayerTreeCopier {
 public:
  std::shared_ptr<CALayer> copy(const CALayer& layer, int depth) {
    const auto known = copies_.find(&layer);
    if (known != copies_.end()) return known->second;
    std::shared_ptr<CALayer> copy = layer.copyProperties();
    copies_.emplace(&layer, copy);
    if (depth >= kDeepestLayer) return copy;
    ancestors_.insert(&layer);
    for (const auto& sublayer : layer.sublayers())
      if (!ancestors_.contains(sublayer.get())) copy->addSublayer(this->copy(*sublayer, depth + 1));
    if (layer.mask && !ancestors_.contains(layer.mask.get())) copy->mask = this->copy(*layer.mask, depth + 1);
    ancestors_.erase(&layer);
    return copy;
  }
  std::size_t copied() const { return copies_.size(); }

 private:
  std::unordered_map<const CALayer*, std::shared_ptr<CALayer>> copies_;
  std::unordered_set<const CALayer*> ancestors_;
};

CALayerArchive::CALayerArchive(const CALayer& root) {
  LayerTreeCopier copier;
  root_ = copier.copy(root, 0);
  layerCount_ = copier.copied();
}

std::shared_ptr<CALayer> CALayerArchive::decode() const {
  return LayerTreeCopier().copy(*root_, 0);
}

}  // namespace tarnavel
