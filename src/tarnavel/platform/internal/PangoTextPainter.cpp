// Draws text runs with Pango: vertically centred in their rect, aligned across it, ellipsized on one line
// or wrapped to its width.
#include <algorithm>
#include <cmath>
#include <string>

#include "tarnavel/platform/internal/PangoText.h"

namespace tarnavel {

namespace {

// Wider layouts would overflow Pango's integer units; no page comes near this.
constexpr CGFloat kWidestLayout = 1e6;
// The sizes of glyphs that are drawn, by their em on the page in pixels: smaller ones cannot be seen, and
// a larger one than twice the largest page shows at most a piece of itself, while the font engine refuses
// sizes not far beyond (FreeType's are 16-bit).
constexpr CGFloat kSmallestGlyph = 0.01;
constexpr CGFloat kLargestGlyph = 32768;

PangoAlignment pangoAlignment(NSTextAlignment alignment) {
  switch (alignment) {
    case NSTextAlignment::Center:
      return PANGO_ALIGN_CENTER;
    case NSTextAlignment::Right:
      return PANGO_ALIGN_RIGHT;
    default:  // Left, Natural and Justified all start at the left edge.
      return PANGO_ALIGN_LEFT;
  }
}

void setLineLimit(PangoLayout* layout, int maxLines) {
  if (maxLines == 1) {
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    pango_layout_set_height(layout, -1);
    return;
  }
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  // A negative height limits the lines of each paragraph; without a limit nothing is ellipsized.
  pango_layout_set_ellipsize(layout, maxLines > 1 ? PANGO_ELLIPSIZE_END : PANGO_ELLIPSIZE_NONE);
  pango_layout_set_height(layout, maxLines > 1 ? -maxLines : -1);
}

// A single-line run that lies wholly outside the clip draws nothing, so it need not be laid out: a large
// grid clipped by its scroll view skips the rows that are not on the page.
bool isOutsideClip(cairo_t* cr, const CGTextRun& run, CGFloat fontSize) {
  if (run.maxLines != 1) return false;  // wrapped text may run far below its rect
  double x1, y1, x2, y2;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  const CGRect& r = run.rect;
  return r.origin.x - fontSize > x2 || r.origin.x + r.size.width + fontSize < x1 ||
         r.origin.y - fontSize > y2 || r.origin.y + r.size.height + fontSize < y1;
}

// Whether glyphs of `fontSize` keep a visible size the font engine can make, under the context's transform
// however it stretches them.
bool drawsGlyphsOfSize(cairo_t* cr, CGFloat fontSize) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  // The largest and smallest factors by which the transform stretches a length.
  const double p = std::hypot(m.xx + m.yy, m.yx - m.xy), q = std::hypot(m.xx - m.yy, m.yx + m.xy);
  const double largest = (p + q) / 2, smallest = std::abs(p - q) / 2;
  return fontSize * smallest >= kSmallestGlyph && fontSize * largest <= kLargestGlyph;
}

}  // namespace

bool PangoTextPainter::layOut(cairo_t* cr, const CGTextRun& run) {
  layout_ = nullptr;
  const CGRect& rect = run.rect;
  if (run.text.empty() || !CGRectIsFinite(rect) || !(rect.size.width > 0)) return false;
  const std::shared_ptr<UIFont> font = run.font ? run.font : UIFont::systemFontOfSize(12);
  const CGFloat fontSize = usableFontSize(*font);
  if (!drawsGlyphsOfSize(cr, fontSize) || isOutsideClip(cr, run, fontSize)) return false;

  PangoLayout* layout = layout_ = drawingLayout();
  pango_layout_set_font_description(layout, pangoFontDescription(*font));
  const int maxLines = std::max(run.maxLines, 0);
  const std::size_t lineEnd = maxLines == 1 ? run.text.find_first_of("\r\n") : std::string::npos;
  if (lineEnd == std::string::npos) {
    setLayoutText(layout, run.text);
  } else {
    // One line shows the first line of a longer text, cut with an ellipsis.
    setLayoutText(layout, run.text.substr(0, lineEnd) + "\u2026");
  }
  pango_layout_set_width(layout, pango_units_from_double(std::min(rect.size.width, kWidestLayout)));
  pango_layout_set_alignment(layout, pangoAlignment(run.alignment));
  setLineLimit(layout, maxLines);

  PangoRectangle ink, logical;
  pango_layout_get_extents(layout, &ink, &logical);
  const auto points = [](int units) { return static_cast<CGFloat>(units) / PANGO_SCALE; };
  origin_ = {rect.origin.x,
             rect.origin.y + (rect.size.height - points(logical.height)) / 2 - points(logical.y)};
  inkBox_ = {{origin_.x + points(ink.x), origin_.y + points(ink.y)}, {points(ink.width), points(ink.height)}};
  return true;
}

void PangoTextPainter::show(cairo_t* cr) {
  if (!layout_) return;
  cairo_move_to(cr, origin_.x, origin_.y);
  pango_cairo_show_layout(cr, layout_);
  cairo_new_path(cr);
}

}  // namespace tarnavel
