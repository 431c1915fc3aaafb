#pragma once

// Helpers for tests that draw view and layer trees and read their pixels.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/render/CGContext.h"
#include "tarnavel/platform/render/Renderer.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel::testing {

/// A layer whose own drawing is whatever the test gives it.
class DrawingLayer : public CALayer {
 public:
  explicit DrawingLayer(std::function<void(CGContext&)> draw) : draw_(std::move(draw)) {}
  void drawInContext(CGContext& context) const override { draw_(context); }

 private:
  std::function<void(CGContext&)> draw_;
};

inline std::shared_ptr<DrawingLayer> makeDrawingLayer(CGRect frame, std::function<void(CGContext&)> draw) {
  auto layer = std::make_shared<DrawingLayer>(std::move(draw));
  layer->setFrame(frame);
  return layer;
}

inline std::shared_ptr<UIView> makeView(CGRect frame, std::shared_ptr<UIColor> background = nullptr) {
  auto view = std::make_shared<UIView>(frame);
  view->setBackgroundColor(std::move(background));
  return view;
}

inline std::shared_ptr<UIView> whitePage(CGFloat width = 100, CGFloat height = 100) {
  return makeView(CGRectMake(0, 0, width, height), UIColor::whiteColor());
}

inline std::shared_ptr<UIColor> rgb(double r, double g, double b) {
  return UIColor::colorWithRed(r, g, b, 1);
}

inline std::shared_ptr<CALayer> makeLayer(CGRect frame,
                                          const std::shared_ptr<UIColor>& background = nullptr) {
  auto layer = CALayer::layer();
  layer->setFrame(frame);
  if (background) layer->backgroundColor = background->CGColor();
  return layer;
}

inline CGPath rectPath(CGRect rect) {
  CGPath path;
  path.addRect(rect);
  return path;
}

/// The tree under `view` in pixels, at one pixel per point unless told otherwise.
inline std::shared_ptr<CGImage> pixelsOf(const UIView& view, double scale = 1) {
  RenderOptions options;
  options.scale = scale;
  return renderToImage(view, options);
}

inline RGBA8 opaque(int r, int g, int b) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b), 255};
}

inline const RGBA8 kWhite = opaque(255, 255, 255);
inline const RGBA8 kRed = opaque(255, 0, 0);
inline const RGBA8 kGreen = opaque(0, 255, 0);
inline const RGBA8 kBlue = opaque(0, 0, 255);
inline const RGBA8 kGrey = opaque(128, 128, 128);

/// Every channel within `tolerance` of the expected one (compositing rounds by a unit or two).
inline ::testing::AssertionResult pixelNear(const CGImage& image, int x, int y, RGBA8 expected,
                                            int tolerance = 3) {
  const RGBA8 actual = image.pixelAt(x, y);
  const bool near =
      std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
      std::abs(actual.b - expected.b) <= tolerance && std::abs(actual.a - expected.a) <= tolerance;
  if (near) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is rgba(" << int(actual.r) << ", " << int(actual.g) << ", "
         << int(actual.b) << ", " << int(actual.a) << "), expected rgba(" << int(expected.r) << ", "
         << int(expected.g) << ", " << int(expected.b) << ", " << int(expected.a) << ")";
}

struct Probe {
  int x;
  int y;
  RGBA8 colour;
  int tolerance = 3;
};

/// Each probed pixel near its colour.
inline void expectPixels(const CGImage& image, const std::vector<Probe>& probes) {
  for (const Probe& probe : probes)
    EXPECT_TRUE(pixelNear(image, probe.x, probe.y, probe.colour, probe.tolerance));
}

/// A white page of 100 x 100 points with one layer over it that draws `draw`, in pixels.
inline std::shared_ptr<CGImage> drawn(std::function<void(CGContext&)> draw) {
  auto page = whitePage();
  page->layer()->addSublayer(makeDrawingLayer(CGRectMake(0, 0, 100, 100), std::move(draw)));
  return pixelsOf(*page);
}

/// The number of pixels in [x0, x1) x [y0, y1) that are visibly darker than white.
inline int inkPixels(const CGImage& image, int x0, int y0, int x1, int y1) {
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const RGBA8 p = image.pixelAt(x, y);
      if (p.a > 0 && (p.r + p.g + p.b) / 3 < 200) ++count;
    }
  }
  return count;
}

}  // namespace tarnavel::testing
