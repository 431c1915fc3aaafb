#include <gtest/gtest.h>

#include <filesystem>

#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {
namespace {

TEST(Color, NamedColoursAreSharedObjects) {
  EXPECT_EQ(UIColor::clearColor(), UIColor::clearColor());
  const auto otherClear = UIColor::colorWithWhite(0, 0);
  EXPECT_NE(otherClear, UIColor::clearColor()) << "a clear colour made another way is another object";
  EXPECT_TRUE(CGColorEqualToColor(otherClear->CGColor(), UIColor::clearColor()->CGColor()));
  EXPECT_EQ(UIColor::blackColor()->CGColor(), UIColor::blackColor()->CGColor()) << "one handle per colour";
}

TEST(Color, ComponentsKeepTheirSpace) {
  EXPECT_EQ(CGColorGetNumberOfComponents(UIColor::clearColor()->CGColor()), 2u);
  const auto red = UIColor::colorWithRed(0.8, 0.18, 0.18, 0.2);
  ASSERT_EQ(CGColorGetNumberOfComponents(red->CGColor()), 4u);
  EXPECT_DOUBLE_EQ(CGColorGetComponents(red->CGColor())[1], 0.18);
  EXPECT_EQ(UIColor::whiteColor()->rgba(), (std::array<CGFloat, 4>{1, 1, 1, 1}));
  EXPECT_EQ(CGColorGetNumberOfComponents(nullptr), 0u);
}

TEST(Color, HueSaturationBrightness) {
  const auto hue = [](CGFloat h) { return UIColor::colorWithHue(h, 1.0, 0.8, 0.8)->rgba(); };
  EXPECT_EQ(hue(0.0), (std::array<CGFloat, 4>{0.8, 0, 0, 0.8}));
  const auto green = hue(1.0 / 3.0);
  EXPECT_NEAR(green[0], 0, 1e-12);
  EXPECT_NEAR(green[1], 0.8, 1e-12);
  EXPECT_NEAR(green[2], 0, 1e-12);
  const auto violet = hue(0.9);
  EXPECT_NEAR(violet[0], 0.8, 1e-12);
  EXPECT_NEAR(violet[1], 0, 1e-12);
  EXPECT_NEAR(violet[2], 0.48, 1e-12);
}

TEST(Font, OneSharedObjectPerNameAndSize) {
  EXPECT_EQ(UIFont::fontWithName("Verdana", 1.0), UIFont::fontWithName("Verdana", 1.0));
  EXPECT_NE(UIFont::fontWithName("Verdana", 1.0), UIFont::fontWithName("Verdana", 6.0));
  EXPECT_EQ(UIFont::systemFontOfSize(5), UIFont::systemFontOfSize(5));
  const auto bold = UIFont::fontWithName("Verdana-Bold", 6.0);
  EXPECT_EQ(bold->familyName(), "Verdana");
  EXPECT_TRUE(bold->isBold());
  EXPECT_FALSE(UIFont::fontWithName("Verdana", 6.0)->isBold());
  EXPECT_EQ(bold->pointSize(), 6.0);
  EXPECT_NE(UIFont::fontWithName("No Such Font", 3), nullptr);
}

TEST(TextMeasure, FixedMetricsAreExactAndNullMeasuresZero) {
  ScopedTextMeasurer fixed(fixedTextMeasurer(5, 12));
  const auto font = UIFont::fontWithName("Verdana", 6);
  EXPECT_EQ(sizeWithFont("abcd", font), CGSizeMake(20, 12));
  EXPECT_EQ(sizeWithFont("héllo", font), CGSizeMake(25, 12)) << "characters, not bytes";
  EXPECT_EQ(sizeWithFont(std::nullopt, font), CGSizeMake(0, 0));
  EXPECT_EQ(sizeWithFont("", font), CGSizeMake(0, 0));
}

TEST(Image, ImagesByNameAreFoundCachedAndConfined) {
  UIImage::resetImageRegistry();
  const auto folder = std::filesystem::temp_directory_path() / "tarnavel-image-test";
  std::filesystem::create_directories(folder);
  auto pixels = std::make_shared<CGImage>(3, 2, std::vector<std::uint32_t>(6, 0xFF00FF00u));
  UIImage::registerImage("dot", std::make_shared<UIImage>(pixels));
  EXPECT_EQ(UIImage::imageNamed("dot")->size(), CGSizeMake(3, 2));
  EXPECT_EQ(UIImage::imageNamed("dot")->CGImage()->pixelAt(2, 1), (RGBA8{0, 255, 0, 255}));
  EXPECT_EQ(UIImage::imageNamed("missing.png"), nullptr);
  EXPECT_EQ(UIImage::imageNamed(""), nullptr);
  EXPECT_EQ(UIImage::imageNamed("../etc/passwd"), nullptr);
  EXPECT_EQ(UIImage::imageNamed("/etc/passwd"), nullptr);
  UIImage::addImageSearchPath(folder.string());
  EXPECT_EQ(UIImage::imageNamed("not-a-png"), nullptr);
  UIImage::resetImageRegistry();
  EXPECT_EQ(UIImage::imageNamed("dot"), nullptr);
}

}  // namespace
}  // namespace tarnavel
