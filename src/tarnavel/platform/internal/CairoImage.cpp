#include "tarnavel/platform/internal/CairoImage.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace tarnavel {

std::shared_ptr<CGImage> imageFromSurface(cairo_surface_t* surface) {
  if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return nullptr;
  const cairo_format_t format = cairo_image_surface_get_format(surface);
  if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return nullptr;
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height && data; ++y) {
    std::memcpy(&pixels[static_cast<std::size_t>(y) * width], data + static_cast<std::size_t>(y) * stride,
                static_cast<std::size_t>(width) * 4);
  }
  if (format == CAIRO_FORMAT_RGB24) {
    for (std::uint32_t& pixel : pixels)
      pixel |= 0xFF000000u;  // the unused byte of an opaque pixel
  }
  return std::make_shared<CGImage>(width, height, std::move(pixels));
}

}  // namespace tarnavel
