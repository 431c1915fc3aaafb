#include "tarnavel/grid/DataGridMarkers.h"

namespace tarnavel {

const std::shared_ptr<UIColor>& kDataGridUnsetColor() {
  return UIColor::clearColor();
}

const std::shared_ptr<UIFont>& kDataGridUnsetFont() {
  // Looked up once: a bind tests every cell's fonts against it, and the font cache takes a lock per lookup.
  static const std::shared_ptr<UIFont> marker = UIFont::fontWithName("Verdana", 1.0);
  return marker;
}

}  // namespace tarnavel
