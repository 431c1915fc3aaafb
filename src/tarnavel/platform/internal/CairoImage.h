#pragma once

// Internal: pixels out of a Cairo image surface.

#include <cairo.h>

#include <memory>

#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {

/// A copy of the pixels of an ARGB32 or RGB24 image surface (RGB24 made opaque); null for another format or
/// a surface in error.
std::shared_ptr<CGImage> imageFromSurface(cairo_surface_t* surface);

}  // namespace tarnavel
