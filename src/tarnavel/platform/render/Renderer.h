#pragma once

#include <memory>
#include <string>

#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {

class CALayer;
class CGContext;
class UIView;

/// How hard PNG output is compressed. Fast writes several times faster than Smallest; its files are about
/// twice as large.
enum class PngCompression { Fast, Smallest };

struct RenderOptions {
  /// Pixels per point of PNG output (2 for sharp images); vector formats ignore it.
  double scale = 1;
  /// Painted under the tree; null leaves the background transparent (PNG) or empty (SVG, PDF).
  std::shared_ptr<UIColor> background = nullptr;
  /// PNG output only.
  PngCompression pngCompression = PngCompression::Fast;
};

/// Draws `view` and everything under it into a file: PNG, SVG or PDF by the extension of `path`. The view's
/// bounds become the page; its own position and transform are not applied. Raises NSException
/// (NSInvalidArgumentException) for another extension or a file that cannot be written.
void render(const UIView& view, const std::string& path, const RenderOptions& options = {});

/// Draws `view` into pixels, as PNG output would hold them.
std::shared_ptr<CGImage> renderToImage(const UIView& view, const RenderOptions& options = {});

/// Draws a layer tree into a context, in the layer's bounds coordinates: background, contents, the layer's
/// own drawing, sublayers in order (clipped when the layer masks to its bounds), then the border, with
/// opacity, transforms and masks applied.
void renderLayerTree(const CALayer& layer, CGContext& context);

}  // namespace tarnavel
