#pragma once

// Internal: fonts and text layout on Pango, shared by the measurer and the Cairo drawing context.

#include <pango/pangocairo.h>

#include <string>
#include <string_view>

#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// The size text of `font` is laid out at: its point size, held below what overflows Pango's integer units
/// (0 when it is not a number).
CGFloat usableFontSize(const UIFont& font);

/// The Pango description of a font (family, weight, style, absolute size in user units), cached per thread;
/// owned by the cache.
const PangoFontDescription* pangoFontDescription(const UIFont& font);

/// Gives a Pango context the options under which measuring and drawing agree: unhinted metrics and glyph
/// positions that are not rounded to whole pixels, so sizes stay fractional and independent of the scale.
void applyTextOptions(PangoContext* context);

/// The thread's layout for measuring, with the identity transform; reused for every measurement.
PangoLayout* measuringLayout();
/// The thread's layout for drawing; reused for every run.
PangoLayout* drawingLayout();

/// Sets a layout's text, replacing invalid UTF-8 so that Pango never sees it.
void setLayoutText(PangoLayout* layout, std::string_view text);

/// Lays out text runs and draws them onto a Cairo context, on the thread's drawing layout.
///
/// A run is laid out in user space, as it is measured, and drawn under the context's transform, which
/// Cairo alone applies to the font. (A layout brought to the transform would have Pango scale the font by it
/// and Cairo scale it again, so that text under a transform that enlarges it much asks the font engine for
/// sizes it refuses; that failure leaks the font and stops the drawing.)
class PangoTextPainter {
 public:
  /// Lays out `run`; false when it draws nothing (no text, no room, a single line that lies wholly outside
  /// the clip, or glyphs that the context's transform makes too small to see or larger than any page).
  bool layOut(cairo_t* cr, const CGTextRun& run);
  /// The box of the laid-out run's ink, in user space.
  CGRect inkBox() const { return inkBox_; }
  /// Draws the laid-out run with the context's current source.
  void show(cairo_t* cr);

 private:
  PangoLayout* layout_ = nullptr;
  CGPoint origin_;
  CGRect inkBox_;
};

}  // namespace tarnavel
