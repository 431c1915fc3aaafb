#include "tarnavel/platform/render/RecordingContext.h"

namespace tarnavel {

using Kind = DrawingRecord::Kind;

std::vector<DrawingRecord> RecordingContext::recordsOfKind(Kind kind) const {
  std::vector<DrawingRecord> found;
  for (const DrawingRecord& record : records_) {
    if (record.kind == kind) found.push_back(record);
  }
  return found;
}

DrawingRecord& RecordingContext::add(Kind kind) {
  DrawingRecord& record = records_.emplace_back();
  record.kind = kind;
  record.ctm = ctm_;
  return record;
}

void RecordingContext::saveGState() {
  add(Kind::SaveGState);
  saved_.push_back({ctm_, false});
}

void RecordingContext::restoreGState() {
  add(Kind::RestoreGState);
  // As on a drawing backend, a restore without a save inside the current group changes nothing.
  if (saved_.empty() || saved_.back().opensGroup) return;
  ctm_ = saved_.back().ctm;
  saved_.pop_back();
}

void RecordingContext::concatCTM(const CGAffineTransform& transform) {
  add(Kind::ConcatCTM).transform = transform;
  ctm_ = CGAffineTransformConcat(transform, ctm_);
}

void RecordingContext::clipToPath(const CGPath& path) {
  add(Kind::ClipToPath).path = path;
}

void RecordingContext::fillPath(const CGPath& path, const CGColorRef& color, bool evenOdd) {
  DrawingRecord& record = add(Kind::FillPath);
  record.path = path;
  record.color = color;
  record.evenOdd = evenOdd;
}

void RecordingContext::strokePath(const CGPath& path, const CGStrokeStyle& style) {
  DrawingRecord& record = add(Kind::StrokePath);
  record.path = path;
  record.stroke = style;
}

void RecordingContext::drawImage(const CGImage& image, CGRect rect) {
  DrawingRecord& record = add(Kind::DrawImage);
  record.imageSize = {static_cast<CGFloat>(image.width()), static_cast<CGFloat>(image.height())};
  record.rect = rect;
}

void RecordingContext::drawText(const CGTextRun& run) {
  add(Kind::DrawText).text = run;
}

void RecordingContext::drawLinearGradient(const CGGradient& gradient, CGPoint start, CGPoint end,
                                          CGGradientDrawingOptions options) {
  DrawingRecord& record = add(Kind::LinearGradient);
  record.gradient = gradient;
  record.start = start;
  record.end = end;
  record.options = options;
}

void RecordingContext::drawRadialGradient(const CGGradient& gradient, CGPoint startCenter,
                                          CGFloat startRadius, CGPoint endCenter, CGFloat endRadius,
                                          CGGradientDrawingOptions options) {
  DrawingRecord& record = add(Kind::RadialGradient);
  record.gradient = gradient;
  record.start = startCenter;
  record.startRadius = startRadius;
  record.end = endCenter;
  record.endRadius = endRadius;
  record.options = options;
}

void RecordingContext::beginGroup() {
  add(Kind::BeginGroup);
  saved_.push_back({ctm_, true});
}

void RecordingContext::endInnermostGroup() {
  while (!saved_.empty() && !saved_.back().opensGroup)
    saved_.pop_back();
  if (saved_.empty()) return;
  ctm_ = saved_.back().ctm;
  saved_.pop_back();
}

void RecordingContext::endGroup(CGFloat alpha) {
  add(Kind::EndGroup).alpha = alpha;
  endInnermostGroup();
}

void RecordingContext::endGroupWithMask() {
  add(Kind::EndGroupWithMask);
  endInnermostGroup();
  endInnermostGroup();
}

}  // namespace tarnavel
