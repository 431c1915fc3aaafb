#include "tarnavel/platform/layers/CALayerArchive.h"

#include <unordered_map>
#include <vector>

namespace tarnavel {

namespace {

// How deep a tree the archive follows; deeper layers are left out, as the renderer leaves them undrawn.
constexpr int kDeepestLayer = 256;

}  // namespace

// Copies a tree layer by layer, remembering each copy so that a layer reached twice is copied once.
class LayerTreeCopier {
 public:
  std::shared_ptr<CALayer> copy(const CALayer& layer, int depth) {
    const auto known = copies_.find(&layer);
    if (known != copies_.end()) return known->second;
    std::shared_ptr<CALayer> copy = layer.copyProperties();
    copies_.emplace(&layer, copy);
    if (depth >= kDeepestLayer) return copy;
    for (const auto& sublayer : layer.sublayers())
      copy->addSublayer(this->copy(*sublayer, depth + 1));
    if (layer.mask) copy->mask = this->copy(*layer.mask, depth + 1);
    return copy;
  }

 private:
  std::unordered_map<const CALayer*, std::shared_ptr<CALayer>> copies_;
};

CALayerArchive::CALayerArchive(const CALayer& root) : root_(LayerTreeCopier().copy(root, 0)) {}

std::shared_ptr<CALayer> CALayerArchive::decode() const {
  return LayerTreeCopier().copy(*root_, 0);
}

}  // namespace tarnavel
