#include "tarnavel/chart/internal/LayerHelpers.h"
#include "tarnavel/platform/layers/CALayerArchive.h"

namespace tarnavel {

std::vector<std::shared_ptr<CALayer>> archivedLayerCopy(const CALayer& layer, std::size_t count) {
  const CALayerArchive archive(layer);
  std::vector<std::shared_ptr<CALayer>> copies;
  copies.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    copies.push_back(archive.decode());
  return copies;
}

}  // namespace tarnavel
