#include "tarnavel/grid/DataGridMarkers.h"

namespace tarnavel {

const std::shared_ptr<UIColor>& kDataGridUnsetColor() {
  return UIColor::clearColor();
}

std::shared_ptr<UIFont> kDataGridUnsetFont() {
  return UIFont::fontWithName("Verdana", 1.0);
}

}  // namespace tarnavel
