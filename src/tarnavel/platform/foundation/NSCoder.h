#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/geometry/Geometry.h"
#include "tarnavel/platform/graphics/UIColor.h"

namespace tarnavel {

/// The settings an interface file decodes for a view, applied by a view constructed from a coder. The
/// classes of the library decode nothing of their own: their defaults are set over these.
struct NSCoder {
  std::optional<CGRect> frame;
  std::shared_ptr<UIColor> backgroundColor;
  std::optional<bool> hidden;
  std::optional<CGFloat> alpha;
  std::optional<NSInteger> tag;
  std::optional<bool> userInteractionEnabled;
  std::optional<bool> clipsToBounds;
  std::optional<std::string> accessibilityIdentifier;
};

}  // namespace tarnavel
