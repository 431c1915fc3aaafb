#include "tarnavel/chart/internal/LayerCopyBudget.h"
#include "tarnavel/chart/internal/LayerHelpers.h"
#include "tarnavel/platform/layers/CALayerArchive.h"

namespace tarnavel {

std::vector<std::shared_ptr<CALayer>> archivedLayerCopy(const CALayer& layer, std::size_t count,
                                                        LayerCopyBudget& budget) {
  const CALayerArchive archive(layer);
  const std::size_t granted = budget.take(count, archive.layerCount());
  std::vector<std::shared_ptr<CALayer>> copies;
  copies.reserve(granted);
  for (std::size_t i = 0; i < granted; ++i)
    copies.push_back(archive.decode());
  return copies;
}

}  // namespace tarnavel
