#pragma once

#include <vector>

#include "tarnavel/platform/CGContext.h"

namespace tarnavel::testing {

/// The gradient calls a layer made on a drawing context; every other call is ignored.
class GradientRecorder final : public CGContext {
 public:
  struct Call {
    bool radial;
    CGGradient gradient;
    CGPoint start, end;
    CGFloat startRadius, endRadius;
    CGGradientDrawingOptions options;
  };
  std::vector<Call> calls;

  void saveGState() override {}
  void restoreGState() override {}
  void concatCTM(const CGAffineTransform&) override {}
  void clipToPath(const CGPath&) override {}
  void fillPath(const CGPath&, const CGColorRef&, bool) override {}
  void strokePath(const CGPath&, const CGStrokeStyle&) override {}
  void drawImage(const CGImage&, CGRect) override {}
  void drawText(const CGTextRun&) override {}
  void drawLinearGradient(const CGGradient& gradient, CGPoint start, CGPoint end,
                          CGGradientDrawingOptions options) override {
    calls.push_back({false, gradient, start, end, 0, 0, options});
  }
  void drawRadialGradient(const CGGradient& gradient, CGPoint startCenter, CGFloat startRadius,
                          CGPoint endCenter, CGFloat endRadius, CGGradientDrawingOptions options) override {
    calls.push_back({true, gradient, startCenter, endCenter, startRadius, endRadius, options});
  }
  void beginGroup() override {}
  void endGroup(CGFloat) override {}
  void endGroupWithMask() override {}
};

}  // namespace tarnavel::testing
