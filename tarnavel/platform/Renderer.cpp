// Placeholder until the Cairo renderer lands.
#include "tarnavel/platform/Renderer.h"

#include "tarnavel/platform/NSException.h"

namespace tarnavel {

void render(const UIView&, const std::string&, const RenderOptions&) {
  raiseException(NSInvalidArgumentException, "rendering is not available yet");
}

std::shared_ptr<CGImage> renderToImage(const UIView&, const RenderOptions&) {
  return nullptr;
}

void renderLayerTree(const CALayer&, CGContext&) {}

}  // namespace tarnavel
