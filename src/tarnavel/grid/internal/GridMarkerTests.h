#pragma once

#include <memory>

#include "tarnavel/grid/DataGridMarkers.h"
#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

inline bool isUnsetColor(const std::shared_ptr<UIColor>& color) {
  return color == kDataGridUnsetColor();
}
inline bool isUnsetFont(const std::shared_ptr<UIFont>& font) {
  return font == kDataGridUnsetFont();
}
/// A template layer's border colour is unset while it is the very layer colour of the unset marker.
inline bool isUnsetLayerColor(const CGColorRef& color) {
  return color == kDataGridUnsetColor()->CGColor();
}

/// The layer colour of `color`; none for a null colour.
inline CGColorRef layerColorOf(const std::shared_ptr<UIColor>& color) {
  return color ? color->CGColor() : nullptr;
}

/// `own` unless it is the unset marker, else `fallback`.
inline const std::shared_ptr<UIColor>& colorOrFallback(const std::shared_ptr<UIColor>& own,
                                                       const std::shared_ptr<UIColor>& fallback) {
  return isUnsetColor(own) ? fallback : own;
}

}  // namespace tarnavel
