#pragma once

#include <cairo.h>

#include <string>

#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {

/// Writes an ARGB32 image surface to a PNG file at the given compression. Raises NSInvalidArgumentException
/// when the file cannot be written.
void writePng(cairo_surface_t* surface, const std::string& path, PngCompression compression);

}  // namespace tarnavel
