// Renders a view tree with Cairo: into pixels, a PNG file, or an SVG or PDF page.
#include "tarnavel/platform/render/Renderer.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/internal/CairoContext.h"
#include "tarnavel/platform/internal/CairoImage.h"
#include "tarnavel/platform/internal/CairoPatterns.h"
#include "tarnavel/platform/internal/EngineHandles.h"
#include "tarnavel/platform/internal/PngWriter.h"
#include "tarnavel/platform/internal/RenderLimits.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

namespace {

// Vector pages share the image side limit, in points.
constexpr double kLargestPageSide = kLargestImageSide;
// Larger pages are refused: drawing them down to the limits would take a scale too small for Cairo's
// matrices and fonts. Smaller scales are raised to the smallest: the page is a single pixel either way.
constexpr double kLargestViewSide = 1e12;
constexpr double kSmallestScale = 1e-9;

enum class FileFormat { Png, Svg, Pdf };

// Raises `name` with the engine's message when the surface has failed.
void checkSurface(cairo_surface_t* surface, const char* name, const std::string& what) {
  const cairo_status_t status = cairo_surface_status(surface);
  if (status != CAIRO_STATUS_SUCCESS) raiseException(name, what + ": " + cairo_status_to_string(status));
}

FileFormat formatOf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return FileFormat::Png;
  if (extension == ".svg") return FileFormat::Svg;
  if (extension == ".pdf") return FileFormat::Pdf;
  raiseException(NSInvalidArgumentException,
                 "cannot render to \"" + path + "\": use a .png, .svg or .pdf file");
}

double usableScale(double scale) {
  return std::isfinite(scale) && scale > 0 ? scale : 1;
}

// The page's size in points, refused when it is beyond what can be drawn.
CGSize pageSize(const UIView& view) {
  const CGSize size = view.bounds().size;
  if (!(size.width <= kLargestViewSide && size.height <= kLargestViewSide)) {
    raiseException(NSInvalidArgumentException, "cannot render a view of " + formatFixed(size.width, 0) +
                                                   " x " + formatFixed(size.height, 0) +
                                                   " points: a side may be at most " +
                                                   formatFixed(kLargestViewSide, 0));
  }
  return size;
}

// `scale`, lowered as far as needed for `size` to fit `side` a side and `area` in all (`area` 0: no area
// limit), keeping the page's aspect.
double fittedScale(CGSize size, double scale, double side, double area) {
  const double longer = std::max(size.width, size.height);
  if (longer > 0) scale = std::min(scale, side / longer);
  if (area > 0 && size.width > 0 && size.height > 0) {
    scale = std::min(scale, std::sqrt(area / size.width / size.height));
  }
  return std::max(scale, kSmallestScale);
}

// At least one pixel, at most the side limit.
int pixelsFor(double length) {
  if (!std::isfinite(length) || length < 1) return 1;
  return static_cast<int>(std::min(std::ceil(length - 1e-6), double{kLargestImageSide}));
}

double pageSideFor(double points) {
  return std::isfinite(points) && points > 0 ? std::min(points, kLargestPageSide) : 1;
}

// Draws the view's tree with its bounds as the page, the background first.
void drawView(cairo_t* cr, const UIView& view, const RenderOptions& options, double scale) {
  if (options.background) {
    const auto rgba = unitRgba(options.background->rgba());
    cairo_set_source_rgba(cr, rgba[0], rgba[1], rgba[2], rgba[3]);
    cairo_paint(cr);
  }
  const CGRect bounds = view.bounds();
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -bounds.origin.x, -bounds.origin.y);
  {
    CairoContext context(cr);
    renderLayerTree(*view.layer(), context);
  }
  const cairo_status_t status = cairo_status(cr);
  if (status != CAIRO_STATUS_SUCCESS) {
    raiseException(NSGenericException,
                   std::string("the view could not be drawn: ") + cairo_status_to_string(status));
  }
}

CairoSurfaceHandle drawToImageSurface(const UIView& view, const RenderOptions& options) {
  const CGSize size = pageSize(view);
  const double scale = fittedScale(size, usableScale(options.scale), kLargestImageSide, kLargestImageArea);
  const int width = pixelsFor(size.width * scale);
  const int height =
      std::min(pixelsFor(size.height * scale), std::max(1, static_cast<int>(kLargestImageArea / width)));
  CairoSurfaceHandle surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  checkSurface(surface.get(), NSGenericException, "no image for the view");
  const CairoHandle cr(cairo_create(surface.get()));
  drawView(cr.get(), view, options, scale);
  cairo_surface_flush(surface.get());
  return surface;
}

void renderVector(const UIView& view, const std::string& path, const RenderOptions& options,
                  FileFormat format) {
  const CGSize size = pageSize(view);
  const double scale = fittedScale(size, 1, kLargestPageSide, 0);
  const double width = pageSideFor(size.width * scale), height = pageSideFor(size.height * scale);
  const CairoSurfaceHandle surface(format == FileFormat::Svg
                                       ? cairo_svg_surface_create(path.c_str(), width, height)
                                       : cairo_pdf_surface_create(path.c_str(), width, height));
  checkSurface(surface.get(), NSInvalidArgumentException, "cannot write \"" + path + "\"");
  {
    const CairoHandle cr(cairo_create(surface.get()));
    drawView(cr.get(), view, options, scale);
  }
  cairo_surface_finish(surface.get());
  checkSurface(surface.get(), NSInvalidArgumentException, "cannot write \"" + path + "\"");
}

}  // namespace

void render(const UIView& view, const std::string& path, const RenderOptions& options) {
  const FileFormat format = formatOf(path);
  if (format != FileFormat::Png) {
    renderVector(view, path, options, format);
    return;
  }
  const CairoSurfaceHandle surface = drawToImageSurface(view, options);
  writePng(surface.get(), path, options.pngCompression);
}

std::shared_ptr<CGImage> renderToImage(const UIView& view, const RenderOptions& options) {
  const CairoSurfaceHandle surface = drawToImageSurface(view, options);
  return imageFromSurface(surface.get());
}

}  // namespace tarnavel
