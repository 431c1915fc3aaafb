#include "tarnavel/chart/internal/LayerCopyBudget.h"

#include <algorithm>
#include <string>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

std::size_t LayerCopyBudget::take(std::size_t wanted, std::size_t layersPerCopy) {
  const std::size_t granted = std::min(wanted, left_ / std::max<std::size_t>(layersPerCopy, 1));
  left_ -= granted * layersPerCopy;
  if (granted < wanted && !noted_) {
    noted_ = true;
    noteSwallowedException(
        NSException(NSGenericException,
                    "UIChart stopped copying layers: the bind's copies (cylinder bodies, pie walls) "
                    "would hold more than " +
                        formatInteger(static_cast<long long>(kCopiedLayersPerBind)) +
                        " layers, more than a page can show"));
  }
  return granted;
}

}  // namespace tarnavel
