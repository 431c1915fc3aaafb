#pragma once

#include <memory>
#include <string>

#include "tarnavel/platform/layers/CALayerValue.h"

namespace tarnavel {

/// An animation of one layer property from a start value to the property's model value. It is recorded on
/// the layer, not run: the renderer draws model values.
class CABasicAnimation {
 public:
  explicit CABasicAnimation(std::string keyPath) : keyPath_(std::move(keyPath)) {}

  static std::shared_ptr<CABasicAnimation> animationWithKeyPath(std::string keyPath) {
    return std::make_shared<CABasicAnimation>(std::move(keyPath));
  }

  const std::string& keyPath() const { return keyPath_; }
  /// The start value; nil starts from the value on screen.
  CALayerValue fromValue;

 private:
  std::string keyPath_;
};

}  // namespace tarnavel
