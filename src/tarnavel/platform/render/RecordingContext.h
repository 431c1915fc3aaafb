#pragma once

#include <vector>

#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// One call made on a RecordingContext: its kind, what it was given, and the transform in force.
struct DrawingRecord {
  enum class Kind {
    SaveGState,
    RestoreGState,
    ConcatCTM,
    ClipToPath,
    FillPath,
    StrokePath,
    DrawImage,
    DrawText,
    LinearGradient,
    RadialGradient,
    BeginGroup,
    EndGroup,
    EndGroupWithMask,
  };

  Kind kind = Kind::SaveGState;
  /// The current transform when the call was made (for ConcatCTM, the one before it).
  CGAffineTransform ctm;
  /// ConcatCTM: the transform given.
  CGAffineTransform transform;
  /// ClipToPath, FillPath, StrokePath: the path.
  CGPath path;
  /// FillPath: the colour and whether the even-odd rule was asked for.
  CGColorRef color;
  bool evenOdd = false;
  /// StrokePath: the style.
  CGStrokeStyle stroke;
  /// DrawImage: the image's size in pixels and the rect it was drawn into.
  CGSize imageSize;
  CGRect rect;
  /// DrawText: the run.
  CGTextRun text;
  /// LinearGradient and RadialGradient: the stops, the start and end points (the circles' centres for a
  /// radial gradient), the radii and the options.
  CGGradient gradient;
  CGPoint start;
  CGPoint end;
  CGFloat startRadius = 0;
  CGFloat endRadius = 0;
  CGGradientDrawingOptions options = 0;
  /// EndGroup: the alpha.
  CGFloat alpha = 1;
};

/// A drawing context that draws nothing and keeps every call, in order, so that a test can read back what a
/// layer or a view drew. It follows the current transform through saves, restores and groups as a drawing
/// backend would.
class RecordingContext final : public CGContext {
 public:
  const std::vector<DrawingRecord>& records() const { return records_; }
  /// The records of one kind, in call order.
  std::vector<DrawingRecord> recordsOfKind(DrawingRecord::Kind kind) const;
  const CGAffineTransform& currentTransform() const { return ctm_; }
  /// Forgets the records; the current transform and the saved states stay.
  void clear() { records_.clear(); }

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
  struct SavedState {
    CGAffineTransform ctm;
    bool opensGroup;
  };

  DrawingRecord& add(DrawingRecord::Kind kind);
  void endInnermostGroup();

  std::vector<DrawingRecord> records_;
  CGAffineTransform ctm_;
  std::vector<SavedState> saved_;
};

}  // namespace tarnavel
