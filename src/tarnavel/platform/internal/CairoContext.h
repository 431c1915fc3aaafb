#pragma once

// Internal: the drawing context on Cairo, for files and pixels.

#include <cairo.h>

#include <optional>
#include <vector>

#include "tarnavel/platform/internal/EngineHandles.h"
#include "tarnavel/platform/internal/PangoText.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// Draws onto a Cairo context that the caller owns. Calls that Cairo would refuse (a restore without a save,
/// a group ended that was never begun, a transform that cannot be inverted) are absorbed here, so the Cairo
/// context never enters an error state through this class; groups still open at the end are painted.
///
/// Drawing is kept to what Cairo draws exactly and in bounded time: a path made of upright rectangles is
/// cut to the clip first; any other step that reaches far beyond the page (where Cairo's fixed-point
/// coordinates overflow) draws nothing; a stroke is never wider than it takes to cover the page. Once the
/// engine itself fails (out of memory, a font error) nothing more is drawn; the caller reads the failure
/// from the Cairo context.
///
/// A clip to an upright rectangle is held back until something is drawn that reaches outside it: the
/// renderer clips every layer's own drawing to its bounds, and a clip that changes nothing is costly in
/// Cairo when text is drawn under it.
class CairoContext final : public CGContext {
 public:
  explicit CairoContext(cairo_t* cr);
  ~CairoContext() override;
  CairoContext(const CairoContext&) = delete;
  CairoContext& operator=(const CairoContext&) = delete;

  void saveGState() override;
  void restoreGState() override;
  void concatCTM(const CGAffineTransform& transform) override;
  void clipToPath(const CGPath& path) override;

  void fillPath(const CGPath& path, const CGColorRef& color, bool evenOdd = false) override;
  void strokePath(const CGPath& path, const CGStrokeStyle& style) override;
  void drawImage(const CGImage& image, CGRect rect) override;
  void drawText(const CGTextRun& run) override;
  void drawLinearGradient(const CGGradient& gradient, CGPoint start, CGPoint end,
                          CGGradientDrawingOptions options) override;
  void drawRadialGradient(const CGGradient& gradient, CGPoint startCenter, CGFloat startRadius,
                          CGPoint endCenter, CGFloat endRadius, CGGradientDrawingOptions options) override;

  void beginGroup() override;
  void endGroup(CGFloat alpha) override;
  void endGroupWithMask() override;

 private:
  // One entry per Cairo save, whether made by saveGState or by beginGroup.
  struct SavedState {
    bool drawsNothing;
    bool opensGroup;
    std::optional<CGRect> pendingClip;
  };

  /// False while nothing drawn can show, or once the engine has failed.
  bool draws() const;
  /// The clip's bounding box in user space.
  CGRect clipBox() const;
  /// Whether the corners of `box` (in user space) lie no farther than `farthestPixel` from the page's
  /// origin on either axis.
  bool cornersWithin(CGRect box, double farthestPixel) const;
  /// Whether `box` (in user space) lies where Cairo's coordinates are exact.
  bool withinReach(CGRect box) const;
  /// Smooths the edges of a step within `box` (in user space) where Cairo places smoothed edges exactly.
  void antialiasFor(CGRect box);
  /// `path` with every upright rectangle of it cut to the clip; null when the path is not made of upright
  /// rectangles only.
  std::optional<CGPath> cutToClip(const CGPath& path) const;
  /// `width`, held to what covers the whole page from the nearest point of `path`.
  CGFloat usefulStrokeWidth(const CGPath& path, CGFloat width) const;
  void setPath(const CGPath& path);
  bool setSourceColor(const CGColorRef& color);
  void paintPattern(CairoPatternHandle pattern);
  /// Applies the held-back clip rectangle to Cairo.
  void applyPendingClip();
  /// Applies the held-back clip unless `box` (in user space) lies inside it.
  void clipUnlessInside(CGRect box);
  /// Ends the innermost group (closing saves left open inside it); null when no group is open.
  CairoPatternHandle popGroup();

  cairo_t* cr_;
  std::vector<SavedState> saved_;
  // Set by a transform that collapses the plane: nothing can be seen until the state is restored.
  bool drawsNothing_ = false;
  // A clip rectangle in the current user space, not yet given to Cairo.
  std::optional<CGRect> pendingClip_;
  PangoTextPainter text_;
};

}  // namespace tarnavel
