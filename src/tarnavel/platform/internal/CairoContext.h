#pragma once

// Internal: the drawing context on Cairo, for files and pixels.

#include <cairo.h>

#include <optional>
#include <vector>

#include "tarnavel/platform/internal/PangoText.h"
#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// Draws onto a Cairo context that the caller owns. Calls that Cairo would refuse (a restore without a save,
/// a group ended that was never begun, a transform that cannot be inverted) are absorbed here, so the Cairo
/// context never enters an error state through this class; groups still open at the end are painted.
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

  void setPath(const CGPath& path);
  bool setSourceColor(const CGColorRef& color);
  void paintPattern(cairo_pattern_t* pattern);
  /// Applies the held-back clip rectangle to Cairo.
  void applyPendingClip();
  /// Applies the held-back clip unless `box` (in user space) lies inside it.
  void clipUnlessInside(CGRect box);
  /// Ends the innermost group (closing saves left open inside it); null when no group is open.
  cairo_pattern_t* popGroup();

  cairo_t* cr_;
  std::vector<SavedState> saved_;
  // Set by a transform that collapses the plane: nothing can be seen until the state is restored.
  bool drawsNothing_ = false;
  // A clip rectangle in the current user space, not yet given to Cairo.
  std::optional<CGRect> pendingClip_;
  PangoTextPainter text_;
};

}  // namespace tarnavel
