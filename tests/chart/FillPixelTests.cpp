// Rendered pixels of filled boxes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/BoxDecorators.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

bool near(RGBA8 pixel, RGBA8 expected) {
  return std::abs(pixel.r - expected.r) <= 3 && std::abs(pixel.g - expected.g) <= 3 &&
         std::abs(pixel.b - expected.b) <= 3 && std::abs(pixel.a - expected.a) <= 3;
}

TEST(FillPixels, HatchLinesShowTheirStrokeColourOverTheBoxBackground) {
  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, 40, 40));
  auto box = std::make_shared<ChartItem>(CGRectMake(0, 0, 40, 40));
  box->setBackgroundColor(UIColor::colorWithRed(0, 0, 1, 1));
  box->layoutStyle = ChartLayoutStyleHatch;
  box->hatchLineStepHeight = 10;
  box->hatchLineWidth = 3;
  box->foregroundColor = UIColor::colorWithRed(1, 0, 0, 1);
  DrawItem(*chart, box);
  const auto image = renderToImage(*box);
  ASSERT_NE(image, nullptr);

  const RGBA8 red{255, 0, 0, 255}, blue{0, 0, 255, 255};
  // Pixel centres on the lines x + y = 20, 40 and 60, then halfway between two lines.
  for (const auto& [x, y] : {std::pair{9, 10}, std::pair{19, 20}, std::pair{29, 30}}) {
    const RGBA8 p = image->pixelAt(x, y);
    EXPECT_TRUE(near(p, red)) << x << ", " << y << ": " << int(p.r) << " " << int(p.g) << " " << int(p.b);
  }
  for (const auto& [x, y] : {std::pair{12, 12}, std::pair{22, 22}, std::pair{2, 0}}) {
    const RGBA8 p = image->pixelAt(x, y);
    EXPECT_TRUE(near(p, blue)) << x << ", " << y << ": " << int(p.r) << " " << int(p.g) << " " << int(p.b);
  }
}

}  // namespace
}  // namespace tarnavel
