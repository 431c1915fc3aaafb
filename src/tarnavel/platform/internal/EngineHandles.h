#pragma once

// Internal: owning handles for the objects the drawing and text engines hand out, so that each is released
// on every path, one left by an exception included.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace tarnavel {

/// A deleter that hands the object to the engine's own release function.
template <auto release>
struct ReleasedBy {
  template <class T>
  void operator()(T* object) const {
    release(object);
  }
};

using CairoHandle = std::unique_ptr<cairo_t, ReleasedBy<cairo_destroy>>;
using CairoSurfaceHandle = std::unique_ptr<cairo_surface_t, ReleasedBy<cairo_surface_destroy>>;
using CairoPatternHandle = std::unique_ptr<cairo_pattern_t, ReleasedBy<cairo_pattern_destroy>>;
using CairoFontOptionsHandle = std::unique_ptr<cairo_font_options_t, ReleasedBy<cairo_font_options_destroy>>;
using PangoFontDescriptionHandle =
    std::unique_ptr<PangoFontDescription, ReleasedBy<pango_font_description_free>>;
/// A reference to a GLib object (a Pango context, layout or font).
template <class T>
using GObjectHandle = std::unique_ptr<T, ReleasedBy<g_object_unref>>;
/// Memory that GLib allocated.
using GMemoryHandle = std::unique_ptr<gchar, ReleasedBy<g_free>>;

}  // namespace tarnavel
