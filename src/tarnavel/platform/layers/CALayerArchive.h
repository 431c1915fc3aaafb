#pragma once

#include <cstddef>
#include <memory>

#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

/// A layer tree kept as it stood when archived: every layer's properties, sublayers and masks. Decoding
/// gives a new, independent tree each time. A layer that appears twice in the tree (a mask that is also a
/// sublayer) is one layer in each decoded tree too. Layers that belong to views are decoded as layers of
/// their own class without the view.
class CALayerArchive {
 public:
  explicit CALayerArchive(const CALayer& root);

  /// A deep copy of the archived tree, sharing no layer with the source, the archive or other copies.
  std::shared_ptr<CALayer> decode() const;
  /// How many layers each decoded tree holds.
  std::size_t layerCount() const { return layerCount_; }

 private:
  std::shared_ptr<CALayer> root_;
  std::size_t layerCount_ = 0;
};

}  // namespace tarnavel
