#include "tarnavel/platform/internal/CairoContext.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "tarnavel/platform/internal/CairoPatterns.h"

namespace tarnavel {

namespace {

// Cairo keeps device coordinates in 24.8 fixed point, which wraps around about 8 million pixels from the
// page's origin; a step that reaches past half of that draws nothing.
constexpr double kFarthestDrawnPixel = 1 << 22;
// Cairo's smooth scan conversion misplaces an edge whose width times height passes about 1.8e10 square
// pixels (a diagonal edge of about 190,000 pixels), while its aliased one places every edge within reach.
// A step that stays this close to the page's origin has edges under a quarter of that, and is smoothed.
constexpr double kFarthestSmoothPixel = 1 << 15;
// However far its path lies, a stroke is drawn at most this many page diagonals wide: Cairo's work grows
// with the width, and no path so far away could be drawn exactly anyway.
constexpr double kWidestStrokeInDiagonals = 128;

using Elements = std::span<const CGPath::Element>;

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

// Whether five elements outline one upright rectangle with finite corners, as CGPath::addRect makes it.
bool outlinesUprightRectangle(Elements e) {
  using Type = CGPath::ElementType;
  if (e.size() != 5 || e[0].type != Type::MoveTo || e[1].type != Type::LineTo || e[2].type != Type::LineTo ||
      e[3].type != Type::LineTo || e[4].type != Type::Close) {
    return false;
  }
  const CGPoint p0 = e[0].points[0], p1 = e[1].points[0], p2 = e[2].points[0], p3 = e[3].points[0];
  const bool acrossFirst = p0.y == p1.y && p1.x == p2.x && p2.y == p3.y && p3.x == p0.x;
  const bool downFirst = p0.x == p1.x && p1.y == p2.y && p2.x == p3.x && p3.y == p0.y;
  return (acrossFirst || downFirst) && isFinite(p0) && isFinite(p2);
}

// The rectangle a path outlines when it is one upright rectangle.
std::optional<CGRect> asUprightRectangle(const CGPath& path) {
  const Elements e = path.elements();
  if (!outlinesUprightRectangle(e)) return std::nullopt;
  const CGPoint p0 = e[0].points[0], p2 = e[2].points[0];
  return CGRectStandardize(CGRectMake(p0.x, p0.y, p2.x - p0.x, p2.y - p0.y));
}

// The point of an element that the path passes through; a stroke covers it.
std::optional<CGPoint> pointOnPath(const CGPath::Element& e) {
  switch (e.type) {
    case CGPath::ElementType::MoveTo:
    case CGPath::ElementType::LineTo:
      return e.points[0];
    case CGPath::ElementType::CurveTo:
      return e.points[2];
    default:
      return std::nullopt;
  }
}

// The distance from `p` to the farthest corner of `box`.
CGFloat farthestCornerDistance(CGPoint p, CGRect box) {
  const CGFloat dx = std::max(std::abs(p.x - box.origin.x), std::abs(p.x - box.origin.x - box.size.width));
  const CGFloat dy = std::max(std::abs(p.y - box.origin.y), std::abs(p.y - box.origin.y - box.size.height));
  return std::hypot(dx, dy);
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

// The farthest a stroke `width` wide reaches beyond its path: half the width, times the miter limit at a
// sharp join.
CGFloat strokeReach(const CGStrokeStyle& style, CGFloat width) {
  const CGFloat miter =
      style.lineJoin == CGLineJoin::Miter && std::isfinite(style.miterLimit) ? style.miterLimit : 1;
  return width * std::max(miter, 1.5);
}

CGRect outset(CGRect box, CGFloat by) {
  return CGRectMake(box.origin.x - by, box.origin.y - by, box.size.width + 2 * by, box.size.height + 2 * by);
}

// Whether Cairo takes the matrix: its determinant finite and not zero (what Cairo checks), and an inverse
// of finite entries (what its drawing needs). Cairo's own inversion checks less for a scale.
bool isInvertible(cairo_matrix_t m) {
  const double determinant = m.xx * m.yy - m.xy * m.yx;
  if (!std::isfinite(determinant) || determinant == 0 || cairo_matrix_invert(&m) != CAIRO_STATUS_SUCCESS) {
    return false;
  }
  return std::isfinite(m.xx) && std::isfinite(m.yx) && std::isfinite(m.xy) && std::isfinite(m.yy) &&
         std::isfinite(m.x0) && std::isfinite(m.y0);
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

// A surface over pixels that an image owns is finished before it is released: a vector surface that still
// refers to the pixels takes its own copy then.
void finishAndDestroy(cairo_surface_t* surface) {
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
}
using BorrowedPixelsHandle = std::unique_ptr<cairo_surface_t, ReleasedBy<finishAndDestroy>>;

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

bool CairoContext::draws() const {
  return !drawsNothing_ && cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

CGRect CairoContext::clipBox() const {
  double x1, y1, x2, y2;
  cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
  return CGRectMake(x1, y1, x2 - x1, y2 - y1);
}

bool CairoContext::cornersWithin(CGRect box, double farthestPixel) const {
  if (!CGRectIsFinite(box)) return false;
  const CGFloat xs[] = {box.origin.x, box.origin.x + box.size.width};
  const CGFloat ys[] = {box.origin.y, box.origin.y + box.size.height};
  for (CGFloat x : xs) {
    for (CGFloat y : ys) {
      double deviceX = x, deviceY = y;
      cairo_user_to_device(cr_, &deviceX, &deviceY);
      if (!(std::abs(deviceX) <= farthestPixel && std::abs(deviceY) <= farthestPixel)) return false;
    }
  }
  return true;
}

bool CairoContext::withinReach(CGRect box) const {
  return cornersWithin(box, kFarthestDrawnPixel);
}

void CairoContext::antialiasFor(CGRect box) {
  const bool smooth = cornersWithin(box, kFarthestSmoothPixel);
  cairo_set_antialias(cr_, smooth ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

// Inside the clip each rectangle cut to the clip's box covers what the whole rectangle covers, and it keeps
// its direction, so the fill of the cut path shows the same pixels under either fill rule.
std::optional<CGPath> CairoContext::cutToClip(const CGPath& path) const {
  const Elements elements = path.elements();
  if (elements.empty() || elements.size() % 5 != 0) return std::nullopt;
  for (std::size_t i = 0; i < elements.size(); i += 5) {
    if (!outlinesUprightRectangle(elements.subspan(i, 5))) return std::nullopt;
  }
  const CGRect box = clipBox();
  const auto cut = [&box](CGPoint p) {
    return CGPoint{std::clamp(p.x, box.origin.x, box.origin.x + box.size.width),
                   std::clamp(p.y, box.origin.y, box.origin.y + box.size.height)};
  };
  CGPath cutPath;
  for (std::size_t i = 0; i < elements.size(); i += 5) {
    cutPath.moveTo(cut(elements[i].points[0]));
    for (std::size_t k = 1; k < 4; ++k)
      cutPath.lineTo(cut(elements[i + k].points[0]));
    cutPath.closeSubpath();
  }
  return cutPath;
}

// A stroke covers what lies within half its width of the path, so a stroke twice as wide as the distance
// from a point of the path to the page's farthest corner covers the whole page: a wider one draws nothing
// more, while Cairo's work grows with the width.
CGFloat CairoContext::usefulStrokeWidth(const CGPath& path, CGFloat width) const {
  const CGRect page = clipBox();
  CGFloat reach = kWidestStrokeInDiagonals / 2 * std::hypot(page.size.width, page.size.height);
  for (const CGPath::Element& e : path.elements()) {
    if (const std::optional<CGPoint> p = pointOnPath(e))
      reach = std::min(reach, farthestCornerDistance(*p, page));
  }
  return std::min(width, 2 * reach);
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
  if (!draws()) return;
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
  CGPath rect;
  rect.addRect(*pendingClip_);
  const bool cut = !withinReach(*pendingClip_);
  pendingClip_.reset();
  const CGPath clip = cut ? cutToClip(rect).value_or(CGPath{}) : rect;
  setPath(clip);
  antialiasFor(clip.boundingBox());
  cairo_clip(cr_);
}

void CairoContext::clipUnlessInside(CGRect box) {
  if (pendingClip_ && !contains(*pendingClip_, box)) applyPendingClip();
}

void CairoContext::clipToPath(const CGPath& path) {
  if (!draws()) return;
  if (const std::optional<CGRect> rect = asUprightRectangle(path)) {
    pendingClip_ = pendingClip_ ? intersection(*pendingClip_, *rect) : *rect;
    return;
  }
  if (!withinReach(path.boundingBox())) {
    drawsNothing_ = true;  // nothing inside a clip that Cairo cannot place can be shown where it belongs
    return;
  }
  applyPendingClip();
  setPath(path);
  antialiasFor(path.boundingBox());
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
  cairo_clip(cr_);
}

void CairoContext::fillPath(const CGPath& path, const CGColorRef& color, bool evenOdd) {
  if (!draws() || !setSourceColor(color)) return;
  CGRect box = path.boundingBox();
  std::optional<CGPath> cut;
  if (!withinReach(box) && (cut = cutToClip(path))) box = cut->boundingBox();
  if (!withinReach(box)) return;
  clipUnlessInside(box);
  setPath(cut ? *cut : path);
  antialiasFor(box);
  cairo_set_fill_rule(cr_, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
  cairo_fill(cr_);
}

void CairoContext::strokePath(const CGPath& path, const CGStrokeStyle& style) {
  if (!draws() || !std::isfinite(style.lineWidth) || !(style.lineWidth > 0) || !setSourceColor(style.color)) {
    return;
  }
  const CGFloat width = usefulStrokeWidth(path, style.lineWidth);
  const CGRect reached = outset(path.boundingBox(), strokeReach(style, width));
  if (!(width > 0) || !withinReach(reached)) return;
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, cairoCap(style.lineCap));
  cairo_set_line_join(cr_, cairoJoin(style.lineJoin));
  cairo_set_miter_limit(cr_, std::isfinite(style.miterLimit) ? std::max(style.miterLimit, 1.0) : 10.0);
  setDash(cr_, style);
  clipUnlessInside(reached);
  setPath(path);
  antialiasFor(reached);
  cairo_stroke(cr_);
}

void CairoContext::drawImage(const CGImage& image, CGRect rect) {
  rect = CGRectStandardize(rect);
  if (!draws() || image.width() <= 0 || image.height() <= 0 || CGRectIsEmpty(rect) || !withinReach(rect))
    return;
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, image.width());
  if (stride != image.width() * 4) return;
  // From the image's pixels to the rect; an image scaled down to nothing cannot be placed.
  cairo_matrix_t placement;
  cairo_matrix_init(&placement, rect.size.width / image.width(), 0, 0, rect.size.height / image.height(),
                    rect.origin.x, rect.origin.y);
  cairo_matrix_t combined;
  cairo_get_matrix(cr_, &combined);
  cairo_matrix_multiply(&combined, &placement, &combined);
  if (!isInvertible(placement) || !isInvertible(combined)) return;
  // Cairo only reads a source surface; the pixels stay the image's own.
  auto* data = reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(image.pixels().data()));
  const BorrowedPixelsHandle surface(
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, image.width(), image.height(), stride));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return;
  clipUnlessInside(rect);
  cairo_save(cr_);
  antialiasFor(rect);
  cairo_transform(cr_, &placement);
  cairo_set_source_surface(cr_, surface.get(), 0, 0);
  // Padding keeps the edges of a scaled image sharp instead of fading them into transparency.
  cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
  cairo_rectangle(cr_, 0, 0, image.width(), image.height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void CairoContext::drawText(const CGTextRun& run) {
  if (!draws()) return;
  if (!run.color) {
    cairo_set_source_rgb(cr_, 0, 0, 0);  // text without a colour is black
  } else if (!setSourceColor(run.color)) {
    return;
  }
  if (!text_.layOut(cr_, run) || !withinReach(text_.inkBox())) return;
  clipUnlessInside(text_.inkBox());
  text_.show(cr_);
}

void CairoContext::paintPattern(CairoPatternHandle pattern) {
  if (!pattern) return;
  applyPendingClip();
  cairo_set_source(cr_, pattern.get());
  cairo_paint(cr_);
}

void CairoContext::drawLinearGradient(const CGGradient& gradient, CGPoint start, CGPoint end,
                                      CGGradientDrawingOptions options) {
  if (!draws()) return;
  paintPattern(createLinearGradientPattern(gradient, start, end, options));
}

void CairoContext::drawRadialGradient(const CGGradient& gradient, CGPoint startCenter, CGFloat startRadius,
                                      CGPoint endCenter, CGFloat endRadius,
                                      CGGradientDrawingOptions options) {
  if (!draws()) return;
  paintPattern(
      createRadialGradientPattern(gradient, startCenter, startRadius, endCenter, endRadius, options));
}

void CairoContext::beginGroup() {
  applyPendingClip();  // also keeps the group's surface to the clip
  saved_.push_back({drawsNothing_, true, std::nullopt});
  cairo_push_group(cr_);
}

CairoPatternHandle CairoContext::popGroup() {
  while (!saved_.empty() && !saved_.back().opensGroup)
    restoreGState();
  if (saved_.empty()) return nullptr;
  drawsNothing_ = saved_.back().drawsNothing;
  pendingClip_ = saved_.back().pendingClip;
  saved_.pop_back();
  // A failed engine hands out a new error pattern for every group asked of it; it is not asked.
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) return nullptr;
  return CairoPatternHandle(cairo_pop_group(cr_));
}

void CairoContext::endGroup(CGFloat alpha) {
  const CairoPatternHandle group = popGroup();
  if (!group) return;
  cairo_set_source(cr_, group.get());
  cairo_paint_with_alpha(cr_, std::isfinite(alpha) ? std::clamp(alpha, 0.0, 1.0) : 0.0);
}

void CairoContext::endGroupWithMask() {
  const CairoPatternHandle mask = popGroup();
  if (!mask) return;
  const CairoPatternHandle content = popGroup();
  // With only one group open there is nothing to mask: that group is painted as it is.
  cairo_set_source(cr_, content ? content.get() : mask.get());
  if (content) {
    cairo_mask(cr_, mask.get());
  } else {
    cairo_paint(cr_);
  }
}

}  // namespace tarnavel
