#include "tarnavel/platform/internal/CairoContext.h"

#include <algorithm>
#include <cmath>

#include "tarnavel/platform/internal/CairoPatterns.h"

namespace tarnavel {

namespace {

bool isFinite(CGPoint p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

bool hasOnlyFinitePoints(const CGPath& path) {
  for (const CGPath::Element& e : path.elements()) {
    const int used =
        e.type == CGPath::ElementType::CurveTo ? 3 : (e.type == CGPath::ElementType::Close ? 0 : 1);
    for (int i = 0; i < used; ++i) {
      if (!isFinite(e.points[i])) return false;
    }
  }
  return true;
}

// The rectangle a path outlines when it is one upright rectangle (as CGPath::addRect makes it).
std::optional<CGRect> asUprightRectangle(const CGPath& path) {
  const auto& e = path.elements();
  using Type = CGPath::ElementType;
  if (e.size() != 5 || e[0].type != Type::MoveTo || e[1].type != Type::LineTo || e[2].type != Type::LineTo ||
      e[3].type != Type::LineTo || e[4].type != Type::Close) {
    return std::nullopt;
  }
  const CGPoint p0 = e[0].points[0], p1 = e[1].points[0], p2 = e[2].points[0], p3 = e[3].points[0];
  const bool acrossFirst = p0.y == p1.y && p1.x == p2.x && p2.y == p3.y && p3.x == p0.x;
  const bool downFirst = p0.x == p1.x && p1.y == p2.y && p2.x == p3.x && p3.y == p0.y;
  if (!(acrossFirst || downFirst) || !isFinite(p0) || !isFinite(p2)) return std::nullopt;
  return CGRectStandardize(CGRectMake(p0.x, p0.y, p2.x - p0.x, p2.y - p0.y));
}

bool contains(CGRect outer, CGRect inner) {
  return inner.origin.x >= outer.origin.x && inner.origin.y >= outer.origin.y &&
         inner.origin.x + inner.size.width <= outer.origin.x + outer.size.width &&
         inner.origin.y + inner.size.height <= outer.origin.y + outer.size.height;
}

CGRect intersection(CGRect a, CGRect b) {
  const CGFloat x0 = std::max(a.origin.x, b.origin.x), y0 = std::max(a.origin.y, b.origin.y);
  const CGFloat x1 = std::min(a.origin.x + a.size.width, b.origin.x + b.size.width);
  const CGFloat y1 = std::min(a.origin.y + a.size.height, b.origin.y + b.size.height);
  return CGRectMake(x0, y0, std::max(x1 - x0, 0.0), std::max(y1 - y0, 0.0));
}

// The farthest a stroke reaches beyond its path: half the width, times the miter limit at a sharp join.
CGFloat strokeReach(const CGStrokeStyle& style) {
  const CGFloat miter =
      style.lineJoin == CGLineJoin::Miter && std::isfinite(style.miterLimit) ? style.miterLimit : 1;
  return style.lineWidth * std::max(miter, 1.5);
}

bool isInvertible(cairo_matrix_t m) {
  return cairo_matrix_invert(&m) == CAIRO_STATUS_SUCCESS;
}

cairo_line_cap_t cairoCap(CGLineCap cap) {
  switch (cap) {
    case CGLineCap::Round:
      return CAIRO_LINE_CAP_ROUND;
    case CGLineCap::Square:
      return CAIRO_LINE_CAP_SQUARE;
    default:
      return CAIRO_LINE_CAP_BUTT;
  }
}

cairo_line_join_t cairoJoin(CGLineJoin join) {
  switch (join) {
    case CGLineJoin::Round:
      return CAIRO_LINE_JOIN_ROUND;
    case CGLineJoin::Bevel:
      return CAIRO_LINE_JOIN_BEVEL;
    default:
      return CAIRO_LINE_JOIN_MITER;
  }
}

// Cairo refuses a dash with a negative or non-finite length, or one whose lengths are all zero; such a
// pattern strokes solid here.
void setDash(cairo_t* cr, const CGStrokeStyle& style) {
  double total = 0;
  for (CGFloat length : style.dashPattern) {
    if (!std::isfinite(length) || length < 0) {
      total = 0;
      break;
    }
    total += length;
  }
  if (!(total > 0) || !std::isfinite(total)) {
    cairo_set_dash(cr, nullptr, 0, 0);
    return;
  }
  cairo_set_dash(cr, style.dashPattern.data(), static_cast<int>(style.dashPattern.size()),
                 std::isfinite(style.dashPhase) ? style.dashPhase : 0);
}

}  // namespace

CairoContext::CairoContext(cairo_t* cr) : cr_(cr) {}

CairoContext::~CairoContext() {
  while (!saved_.empty()) {
    if (saved_.back().opensGroup) {
      endGroup(1);
    } else {
      restoreGState();
    }
  }
}

void CairoContext::saveGState() {
  saved_.push_back({drawsNothing_, false, pendingClip_});
  cairo_save(cr_);
}

void CairoContext::restoreGState() {
  if (saved_.empty() || saved_.back().opensGroup) return;  // no save of this group to restore
  drawsNothing_ = saved_.back().drawsNothing;
  pendingClip_ = saved_.back().pendingClip;
  saved_.pop_back();
  cairo_restore(cr_);
}

void CairoContext::concatCTM(const CGAffineTransform& t) {
  if (drawsNothing_) return;
  cairo_matrix_t m;
  cairo_matrix_init(&m, t.a, t.b, t.c, t.d, t.tx, t.ty);
  cairo_matrix_t combined;
  cairo_get_matrix(cr_, &combined);
  cairo_matrix_multiply(&combined, &m, &combined);
  if (!isInvertible(m) || !isInvertible(combined)) {
    drawsNothing_ = true;
    return;
  }
  applyPendingClip();  // it lies in the user space that is about to change
  cairo_transform(cr_, &m);
}

void CairoContext::setPath(const CGPath& path) {
  cairo_new_path(cr_);
  if (!hasOnlyFinitePoints(path)) return;
  for (const CGPath::Element& e : path.elements()) {
    switch (e.type) {
      case CGPath::ElementType::MoveTo:
        cairo_move_to(cr_, e.points[0].x, e.points[0].y);
        break;
      case CGPath::ElementType::LineTo:
        cairo_line_to(cr_, e.points[0].x, e.points[0].y);
        break;
      case CGPath::ElementType::CurveTo:
        cairo_curve_to(cr_, e.points[0].x, e.points[0].y, e.points[1].x, e.points[1].y, e.points[2].x,
                       e.points[2].y);
        break;
      case CGPath::ElementType::Close:
        cairo_close_path(cr_);
        break;
    }
  }
}

bool CairoContext::setSourceColor(const CGColorRef& color) {
  if (!color) return false;
  const auto rgba = unitRgba(color->rgba());
  if (rgba[3] <= 0) return false;
  cairo_set_source_rgba(cr_, rgba[0], rgba[1], rgba[2], rgba[3]);
  return true;
}

void CairoContext::applyPendingClip() {
  if (!pendingClip_) return;
  const CGRect r = *pendingClip_;
  pendingClip_.reset();
  cairo_new_path(cr_);
  cairo_rectangle(cr_, r.origin.x, r.origin.y, r.size.width, r.size.height);
  cairo_clip(cr_);
}

void CairoContext::clipUnlessInside(CGRect box) {
  if (pendingClip_ && !contains(*pendingClip_, box)) applyPendingClip();
}

void CairoContext::clipToPath(const CGPath& path) {
  if (drawsNothing_) return;
  if (const std::optional<CGRect> rect = asUprightRectangle(path)) {
    pendingClip_ = pendingClip_ ? intersection(*pendingClip_, *rect) : *rect;
    return;
  }
  applyPendingClip();
  setPath(path);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
  cairo_clip(cr_);
}

void CairoContext::fillPath(const CGPath& path, const CGColorRef& color, bool evenOdd) {
  if (drawsNothing_ || !setSourceColor(color)) return;
  clipUnlessInside(path.boundingBox());
  setPath(path);
  cairo_set_fill_rule(cr_, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
  cairo_fill(cr_);
}

void CairoContext::strokePath(const CGPath& path, const CGStrokeStyle& style) {
  if (drawsNothing_ || !std::isfinite(style.lineWidth) || !(style.lineWidth > 0) ||
      !setSourceColor(style.color)) {
    return;
  }
  cairo_set_line_width(cr_, style.lineWidth);
  cairo_set_line_cap(cr_, cairoCap(style.lineCap));
  cairo_set_line_join(cr_, cairoJoin(style.lineJoin));
  cairo_set_miter_limit(cr_, std::isfinite(style.miterLimit) ? std::max(style.miterLimit, 1.0) : 10.0);
  setDash(cr_, style);
  const CGRect box = path.boundingBox();
  const CGFloat reach = strokeReach(style);
  clipUnlessInside(CGRectMake(box.origin.x - reach, box.origin.y - reach, box.size.width + 2 * reach,
                              box.size.height + 2 * reach));
  setPath(path);
  cairo_stroke(cr_);
}

void CairoContext::drawImage(const CGImage& image, CGRect rect) {
  rect = CGRectStandardize(rect);
  if (drawsNothing_ || image.width() <= 0 || image.height() <= 0 || CGRectIsEmpty(rect)) return;
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, image.width());
  if (stride != image.width() * 4) return;
  // Cairo only reads a source surface; the pixels stay the image's own.
  auto* data = reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(image.pixels().data()));
  cairo_surface_t* surface =
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, image.width(), image.height(), stride);
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    clipUnlessInside(rect);
    cairo_save(cr_);
    cairo_translate(cr_, rect.origin.x, rect.origin.y);
    cairo_scale(cr_, rect.size.width / image.width(), rect.size.height / image.height());
    cairo_set_source_surface(cr_, surface, 0, 0);
    // Padding keeps the edges of a scaled image sharp instead of fading them into transparency.
    cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
    cairo_rectangle(cr_, 0, 0, image.width(), image.height());
    cairo_fill(cr_);
    cairo_restore(cr_);
  }
  // A vector surface may still refer to the pixels; finishing makes it take its own copy first.
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
}

void CairoContext::drawText(const CGTextRun& run) {
  if (drawsNothing_) return;
  if (!run.color) {
    cairo_set_source_rgb(cr_, 0, 0, 0);  // text without a colour is black
  } else if (!setSourceColor(run.color)) {
    return;
  }
  if (!text_.layOut(cr_, run)) return;
  clipUnlessInside(text_.inkBox());
  text_.show(cr_);
}

void CairoContext::paintPattern(cairo_pattern_t* pattern) {
  if (!pattern) return;
  applyPendingClip();
  cairo_set_source(cr_, pattern);
  cairo_paint(cr_);
  cairo_pattern_destroy(pattern);
}

void CairoContext::drawLinearGradient(const CGGradient& gradient, CGPoint start, CGPoint end,
                                      CGGradientDrawingOptions options) {
  if (drawsNothing_) return;
  paintPattern(createLinearGradientPattern(gradient, start, end, options));
}

void CairoContext::drawRadialGradient(const CGGradient& gradient, CGPoint startCenter, CGFloat startRadius,
                                      CGPoint endCenter, CGFloat endRadius,
                                      CGGradientDrawingOptions options) {
  if (drawsNothing_) return;
  paintPattern(
      createRadialGradientPattern(gradient, startCenter, startRadius, endCenter, endRadius, options));
}

void CairoContext::beginGroup() {
  applyPendingClip();  // also keeps the group's surface to the clip
  saved_.push_back({drawsNothing_, true, std::nullopt});
  cairo_push_group(cr_);
}

cairo_pattern_t* CairoContext::popGroup() {
  while (!saved_.empty() && !saved_.back().opensGroup)
    restoreGState();
  if (saved_.empty()) return nullptr;
  drawsNothing_ = saved_.back().drawsNothing;
  pendingClip_ = saved_.back().pendingClip;
  saved_.pop_back();
  return cairo_pop_group(cr_);
}

void CairoContext::endGroup(CGFloat alpha) {
  cairo_pattern_t* group = popGroup();
  if (!group) return;
  cairo_set_source(cr_, group);
  cairo_paint_with_alpha(cr_, std::isfinite(alpha) ? std::clamp(alpha, 0.0, 1.0) : 0.0);
  cairo_pattern_destroy(group);
}

void CairoContext::endGroupWithMask() {
  cairo_pattern_t* mask = popGroup();
  if (!mask) return;
  cairo_pattern_t* content = popGroup();
  if (!content) {  // only one group was open: it has nothing to mask, so it is painted as it is
    cairo_set_source(cr_, mask);
    cairo_paint(cr_);
    cairo_pattern_destroy(mask);
    return;
  }
  cairo_set_source(cr_, content);
  cairo_mask(cr_, mask);
  cairo_pattern_destroy(content);
  cairo_pattern_destroy(mask);
}

}  // namespace tarnavel
