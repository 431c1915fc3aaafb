#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/internal/FontResolution.h"

namespace tarnavel {
namespace {

TEST(Color, NamedColoursAreSharedAndComponentsKeepTheirSpace) {
  EXPECT_EQ(UIColor::clearColor(), UIColor::clearColor());
  const auto otherClear = UIColor::colorWithWhite(0, 0);
  EXPECT_NE(otherClear, UIColor::clearColor()) << "a clear colour made another way is another object";
  EXPECT_TRUE(CGColorEqualToColor(otherClear->CGColor(), UIColor::clearColor()->CGColor()));
  EXPECT_EQ(UIColor::blackColor()->CGColor(), UIColor::blackColor()->CGColor()) << "one handle per colour";
  EXPECT_EQ(CGColorGetNumberOfComponents(UIColor::clearColor()->CGColor()), 2u);
  const auto red = UIColor::colorWithRed(0.8, 0.18, 0.18, 0.2);
  ASSERT_EQ(CGColorGetNumberOfComponents(red->CGColor()), 4u);
  EXPECT_DOUBLE_EQ(CGColorGetComponents(red->CGColor())[1], 0.18);
  EXPECT_EQ(UIColor::whiteColor()->rgba(), (std::array<CGFloat, 4>{1, 1, 1, 1}));
  EXPECT_EQ(UIColor::grayColor()->rgba(), (std::array<CGFloat, 4>{0.5, 0.5, 0.5, 1}));
  EXPECT_EQ(UIColor::darkGrayColor()->rgba(), (std::array<CGFloat, 4>{1.0 / 3, 1.0 / 3, 1.0 / 3, 1}));
  EXPECT_EQ(CGColorGetNumberOfComponents(nullptr), 0u);
  EXPECT_EQ(UIColor::colorWithCGColor(nullptr), nullptr);
  EXPECT_TRUE(CGColorEqualToColor(UIColor::colorWithCGColor(red->CGColor())->CGColor(), red->CGColor()));
  EXPECT_TRUE(CGColorEqualToColor(nullptr, nullptr));
  EXPECT_FALSE(CGColorEqualToColor(nullptr, red->CGColor()));  // an unset colour is no colour at all
  EXPECT_FALSE(CGColorEqualToColor(red->CGColor(), nullptr));
}

TEST(Color, HueSaturationBrightnessWithTheHueClampedToTheUnitRange) {
  struct Case {
    CGFloat hue;
    std::array<CGFloat, 4> rgba;
  };
  for (const Case& c :
       {Case{0, {0.8, 0, 0, 0.8}}, Case{1.0 / 3, {0, 0.8, 0, 0.8}}, Case{0.9, {0.8, 0, 0.48, 0.8}},
        Case{1, {0.8, 0, 0, 0.8}}, Case{1.2, {0.8, 0, 0, 0.8}}, Case{-0.3, {0.8, 0, 0, 0.8}}}) {
    SCOPED_TRACE(c.hue);
    const auto rgba = UIColor::colorWithHue(c.hue, 1.0, 0.8, 0.8)->rgba();
    for (int i = 0; i < 4; ++i)
      EXPECT_NEAR(rgba[i], c.rgba[i], 1e-12);
  }
}

TEST(Font, OneSharedObjectPerNameAndSizeBoldByItsName) {
  EXPECT_EQ(UIFont::fontWithName("Verdana", 1.0), UIFont::fontWithName("Verdana", 1.0));
  EXPECT_NE(UIFont::fontWithName("Verdana", 1.0), UIFont::fontWithName("Verdana", 6.0));
  const auto bold = UIFont::fontWithName("Verdana-Bold", 6.0);
  EXPECT_EQ(bold->familyName(), "Verdana");
  EXPECT_TRUE(bold->isBold());
  EXPECT_FALSE(UIFont::fontWithName("Verdana", 6.0)->isBold());
  EXPECT_TRUE(UIFont::fontWithName("Verdana-BoldItalic", 6.0)->isItalic());
  EXPECT_TRUE(UIFont::fontWithName("Verdana-Oblique", 6.0)->isItalic());
  EXPECT_FALSE(bold->isItalic());
  EXPECT_NE(UIFont::fontWithName("No Such Font", 3), nullptr);
  // Verdana itself where it is installed; the DejaVu Sans face that stands in for it here otherwise.
  const ResolvedFontFace regularFace = resolveFontFace(*UIFont::fontWithName("Verdana", 12));
  const ResolvedFontFace boldFace = resolveFontFace(*UIFont::fontWithName("Verdana-Bold", 12));
  EXPECT_TRUE(regularFace.family == "Verdana" || regularFace.family == "DejaVu Sans") << regularFace.family;
  EXPECT_EQ(boldFace.family, regularFace.family);
  EXPECT_FALSE(regularFace.bold);
  EXPECT_TRUE(boldFace.bold);
  EXPECT_FALSE(resolveFontFace(*UIFont::systemFontOfSize(12)).family.empty());
}

TEST(TextMeasure, PangoMeasuresUnhintedLinesInUserUnits) {
  const auto measure = [](const std::string& text, CGFloat size, const char* font = "Verdana") {
    return measureTextWithPango(text, *UIFont::fontWithName(font, size));
  };
  const CGSize word = measure("Total", 12);
  const CGSize words = measure("Total revenue", 12);
  EXPECT_GT(words.width, word.width);
  EXPECT_DOUBLE_EQ(words.height, word.height);
  EXPECT_GT(measure("Total revenue", 12, "Verdana-Bold").width, words.width);
  // One point of the font is one unit of the page: twice the size, twice the width; a line a little taller.
  EXPECT_NEAR(measure("Total revenue", 24).width / words.width, 2.0, 0.02);
  EXPECT_GE(word.height, 12.0);
  EXPECT_LE(word.height, 18.0);
  // Unhinted metrics: a text's width is the sum of its parts to within rounding of Pango's units.
  const CGSize both = measure("iiiillll", 11);
  EXPECT_NEAR(both.width, measure("iiii", 11).width + measure("llll", 11).width, 0.01);
  EXPECT_NE(both.width, static_cast<long>(both.width)) << "a whole number suggests hinted, rounded metrics";
  const CGSize lines = measure("short\nTotal revenue", 12);
  EXPECT_DOUBLE_EQ(lines.width, words.width);
  EXPECT_NEAR(lines.height, 2 * words.height, 0.01);
  EXPECT_EQ(measure("", 12), (CGSize{0, 0}));
  EXPECT_EQ(measure("text", 0), (CGSize{0, 0}));
  EXPECT_GT(measure(std::string("ab\xff\xfe"
                                "cd",
                                6),
                    12)
                .width,
            measure("abcd", 12).width)
      << "invalid UTF-8";
}

TEST(Image, ImagesByNameAreFoundCachedAndConfined) {
  UIImage::resetImageRegistry();
  const auto folder = std::filesystem::temp_directory_path() / "tarnavel-image-test";
  std::filesystem::create_directories(folder);
  auto pixels = std::make_shared<CGImage>(3, 2, std::vector<std::uint32_t>(6, 0xFF00FF00u));
  UIImage::registerImage("dot", std::make_shared<UIImage>(pixels));
  EXPECT_EQ(UIImage::imageNamed("dot")->size(), CGSizeMake(3, 2));
  EXPECT_EQ(UIImage::imageNamed("dot")->CGImage()->pixelAt(2, 1), (RGBA8{0, 255, 0, 255}));
  EXPECT_EQ(UIImage::imageNamed("dot")->CGImage()->pixelAt(2, 2), RGBA8{}) << "below the last row";
  EXPECT_EQ(UIImage::imageNamed("missing.png"), nullptr);
  EXPECT_EQ(UIImage::imageNamed(""), nullptr);
  EXPECT_EQ(UIImage::imageNamed("../etc/passwd"), nullptr);
  EXPECT_EQ(UIImage::imageNamed("/etc/passwd"), nullptr);
  UIImage::addImageSearchPath(folder.string());
  EXPECT_EQ(UIImage::imageNamed("not-a-png"), nullptr);
  UIImage::resetImageRegistry();
  EXPECT_EQ(UIImage::imageNamed("dot"), nullptr);
}

std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string bigEndian(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

std::string chunk(const std::string& type, const std::string& data) {
  return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A valid grey PNG of `width` x `height` black pixels, its image data stored uncompressed.
void writePng(const std::filesystem::path& file, std::uint32_t width, std::uint32_t height) {
  std::string rows;
  for (std::uint32_t y = 0; y < height; ++y)
    rows += std::string(1 + width, '\0');  // filter type 0, then the pixels
  std::string deflated = "\x78\x01";
  for (std::size_t at = 0; at < rows.size(); at += 65535) {
    const std::size_t length = std::min<std::size_t>(65535, rows.size() - at);
    const char final = at + length == rows.size() ? 1 : 0;
    deflated += {final, static_cast<char>(length), static_cast<char>(length >> 8), static_cast<char>(~length),
                 static_cast<char>(~length >> 8)};
    deflated += rows.substr(at, length);
  }
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : rows) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  deflated += bigEndian((b << 16) | a);
  const std::string header = bigEndian(width) + bigEndian(height) + std::string("\x08\x00\x00\x00\x00", 5);
  std::ofstream(file, std::ios::binary)
      << "\x89PNG\r\n\x1A\n"
      << chunk("IHDR", header) << chunk("IDAT", deflated) << chunk("IEND", "");
}

TEST(Image, SizeIsCheckedFromTheHeaderBeforeDecoding) {
  const auto folder = std::filesystem::temp_directory_path() / "tarnavel-image-size-test";
  std::filesystem::create_directories(folder);
  writePng(folder / "widest.png", 16384, 1);
  writePng(folder / "too-wide.png", 16385, 1);
  writePng(folder / "too-tall.png", 1, 16385);
  EXPECT_EQ(UIImage::imageWithContentsOfFile((folder / "widest.png").string())->size(), CGSizeMake(16384, 1));
  EXPECT_EQ(UIImage::imageWithContentsOfFile((folder / "too-wide.png").string()), nullptr);
  EXPECT_EQ(UIImage::imageWithContentsOfFile((folder / "too-tall.png").string()), nullptr);

  // 20000 x 20000 declared in a header alone, and 8193 x 8193 (each side allowed, the area not): refused
  // before a pixel is read.
  for (const std::uint32_t side : {20000u, 8193u}) {
    SCOPED_TRACE(side);
    const std::uint8_t s[4] = {static_cast<std::uint8_t>(side >> 24), static_cast<std::uint8_t>(side >> 16),
                               static_cast<std::uint8_t>(side >> 8), static_cast<std::uint8_t>(side)};
    const unsigned char header[] = {0x89, 'P',  'N',  'G',  '\r', '\n', 0x1A, '\n', 0,    0,
                                    0,    13,   'I',  'H',  'D',  'R',  s[0], s[1], s[2], s[3],
                                    s[0], s[1], s[2], s[3], 8,    6,    0,    0,    0};
    const auto file = folder / "declared.png";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(header), sizeof header);
    EXPECT_EQ(UIImage::imageWithContentsOfFile(file.string()), nullptr);
  }
}

TEST(Image, NamedImagesDoNotFollowLinksOutOfTheirFolder) {
  UIImage::resetImageRegistry();
  const auto base = std::filesystem::temp_directory_path() / "tarnavel-image-link-test";
  std::filesystem::remove_all(base);
  const auto folder = base / "images";
  std::filesystem::create_directories(folder);
  writePng(base / "outside.png", 2, 2);
  writePng(folder / "inside.png", 3, 3);
  std::filesystem::create_symlink(base / "outside.png", folder / "escape.png");
  std::filesystem::create_symlink(folder / "inside.png", folder / "alias.png");
  std::filesystem::create_directory_symlink(folder, base / "linked-folder");
  UIImage::addImageSearchPath((base / "linked-folder").string());

  EXPECT_EQ(UIImage::imageNamed("escape"), nullptr);
  ASSERT_NE(UIImage::imageNamed("alias"), nullptr) << "a link that stays inside the folder is followed";
  EXPECT_EQ(UIImage::imageNamed("alias")->size(), CGSizeMake(3, 3));
  EXPECT_EQ(UIImage::imageNamed("inside.png")->size(), CGSizeMake(3, 3));
  // A name is used whole: a NUL byte does not cut it short to a file's name, and an empty name is no name.
  EXPECT_EQ(UIImage::imageNamed(std::string("inside.png\0x", 12)), nullptr);
  writePng(folder / ".png", 1, 1);
  EXPECT_EQ(UIImage::imageNamed(""), nullptr);
  UIImage::resetImageRegistry();
}

}  // namespace
}  // namespace tarnavel
