// PNG output through libpng, so that the compression is ours to choose: Cairo's own writer always spends
// the most effort, which costs several times the drawing itself on a large page.
#include "tarnavel/platform/internal/PngWriter.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports a failure by calling this, which must not return.
[[noreturn]] void pngFailure(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

// Cairo keeps premultiplied, native-endian ARGB words; PNG wants straight RGBA bytes.
void unpremultiplyRow(const std::uint32_t* pixels, int width, png_byte* out) {
  for (int x = 0; x < width; ++x, out += 4) {
    const std::uint32_t argb = pixels[x];
    const unsigned alpha = argb >> 24;
    const unsigned r = (argb >> 16) & 0xff, g = (argb >> 8) & 0xff, b = argb & 0xff;
    if (alpha == 0) {
      std::memset(out, 0, 4);
    } else if (alpha == 255) {
      out[0] = static_cast<png_byte>(r), out[1] = static_cast<png_byte>(g), out[2] = static_cast<png_byte>(b);
      out[3] = 255;
    } else {
      out[0] = static_cast<png_byte>((r * 255 + alpha / 2) / alpha);
      out[1] = static_cast<png_byte>((g * 255 + alpha / 2) / alpha);
      out[2] = static_cast<png_byte>((b * 255 + alpha / 2) / alpha);
      out[3] = static_cast<png_byte>(alpha);
    }
  }
}

// An opaque row needs no division: the colour channels are already straight.
void opaqueRow(const std::uint32_t* pixels, int width, png_byte* out) {
  for (int x = 0; x < width; ++x, out += 3) {
    const std::uint32_t argb = pixels[x];
    out[0] = static_cast<png_byte>(argb >> 16);
    out[1] = static_cast<png_byte>(argb >> 8);
    out[2] = static_cast<png_byte>(argb);
  }
}

bool isOpaque(const unsigned char* data, int width, int height, int stride) {
  for (int y = 0; y < height; ++y) {
    const auto* pixels =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    std::uint32_t all = 0xff000000u;
    for (int x = 0; x < width; ++x)
      all &= pixels[x];
    if ((all >> 24) != 0xff) return false;
  }
  return true;
}

void configure(png_structp png, png_infop info, int width, int height, bool opaque,
               PngCompression compression) {
  // An opaque page (any page with a background) needs no alpha channel: a quarter less to compress.
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (compression == PngCompression::Fast) {
    // No row filter and the fastest deflate level: a drawn page's long runs of one colour compress well
    // enough as they are, and filtering costs more time than it saves bytes there.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
  } else {
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_set_compression_level(png, 9);
  }
}

// Runs libpng over the rows; false with `error` set when libpng gave up.
bool writeRows(std::FILE* file, cairo_surface_t* surface, PngCompression compression, std::string& error) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, pngFailure, pngWarning);
  if (!png) return error = "out of memory", false;
  png_infop info = png_create_info_struct(png);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const bool opaque = isOpaque(data, width, height, stride);
  std::vector<png_byte> row(static_cast<std::size_t>(width) * 4);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    if (error.empty()) error = "out of memory";
    return false;
  }
  png_init_io(png, file);
  configure(png, info, width, height, opaque, compression);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    const auto* pixels =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    if (opaque) {
      opaqueRow(pixels, width, row.data());
    } else {
      unpremultiplyRow(pixels, width, row.data());
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

void writePng(cairo_surface_t* surface, const std::string& path, PngCompression compression) {
  cairo_surface_flush(surface);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file)
    raiseException(NSInvalidArgumentException, "cannot write \"" + path + "\": " + std::strerror(errno));
  std::string error;
  const bool written = writeRows(file.get(), surface, compression, error);
  const bool closed = std::fclose(file.release()) == 0;
  if (!written || !closed) {
    raiseException(NSInvalidArgumentException,
                   "cannot write \"" + path + "\": " + (written ? "the file could not be closed" : error));
  }
}

}  // namespace tarnavel
