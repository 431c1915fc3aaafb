#pragma once

#include <memory>
#include <string>

#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {

class CALayer;
class CGContext;
class UIView;

/// How hard PNG output is compressed. Fast writes several times faster than Smallest; its files are two to
/// three times as large. A page with no transparent pixel (one with a background) is written without alpha.
enum class PngCompression { Fast, Smallest };

/// The longest side of any page the renderer draws, in pixels for images and in points for SVG and PDF; a
/// larger page is scaled down to fit.
inline constexpr int kLargestRenderedSide = 16384;

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
/// (NSInvalidArgumentException) for another extension or a file that cannot be written, and
/// (NSGenericException, with the engine's message) when the drawing engine fails, as when it runs out of
/// memory or its font engine fails.
///
/// A drawing step that cannot be shown draws nothing and the rest is drawn: a transform that cannot be
/// inverted hides what is drawn under it, and a shape, image or text that reaches millions of pixels beyond
/// the page is left out (a background or border of upright rectangles is cut to the page instead), and so is
/// text whose glyphs would be under a hundredth of a pixel or over 32,768 pixels on the page. A stroke
/// wider than it takes to cover the page draws as one just that wide. A shape, clip or image reaching more
/// than 32,768 pixels from the page's origin is drawn without smoothing its edges, which would misplace
/// them.
///
/// Limits. An image (PNG or pixels) is at most 16,384 pixels a side and 2^26 pixels in all; an SVG or PDF
/// page at most 16,384 points a side. A page larger than that at the requested scale is drawn whole, scaled
/// down until it fits, keeping its aspect. A scale that is not a positive finite number counts as 1; a scale
/// below 1e-9 counts as 1e-9 (the page is then a single pixel). Every image is at least one pixel a side. A
/// view wider or taller than 1e12 points raises NSInvalidArgumentException. Layers more than 256 levels below
/// the view are not drawn.
void render(const UIView& view, const std::string& path, const RenderOptions& options = {});

/// Draws `view` into pixels, as PNG output would hold them.
std::shared_ptr<CGImage> renderToImage(const UIView& view, const RenderOptions& options = {});

/// Draws a layer tree into a context, in the layer's bounds coordinates: background, contents, the layer's
/// own drawing, sublayers in order (clipped when the layer masks to its bounds), then the border, with
/// opacity, transforms and masks applied.
///
/// A sublayer (at any depth) that is also the mask of a layer of the tree plays both parts: as the mask it
/// is drawn whole; among its siblings it is drawn as its outline only, after all of them: a shape layer's
/// stroke, the border and the sublayers, without background, contents, fill or other drawing of its own. So
/// a shape that both confines a fill (a gradient it masks) and outlines it shows that fill only inside its
/// path, with its whole stroke around it, whatever its own fill colour: drawn whole where it stands, its
/// fill would darken a translucent fill over it, and a fill drawn after it would cover its stroke.
void renderLayerTree(const CALayer& layer, CGContext& context);

}  // namespace tarnavel
