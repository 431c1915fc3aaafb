// The real text measurer: sizes through Pango and fontconfig, and the faces the design's fonts resolve to.
#include <gtest/gtest.h>

#include <string>

#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/internal/FontResolution.h"

namespace tarnavel {
namespace {

const UIFont& verdana(CGFloat size) {
  return *UIFont::fontWithName("Verdana", size);
}

TEST(PangoMeasure, LongerTextMeasuresWiderOnOneLine) {
  const CGSize shortText = measureTextWithPango("Total", verdana(12));
  const CGSize longText = measureTextWithPango("Total revenue", verdana(12));
  EXPECT_GT(shortText.width, 0);
  EXPECT_GT(longText.width, shortText.width);
  EXPECT_DOUBLE_EQ(longText.height, shortText.height);
}

TEST(PangoMeasure, FontSizeIsInUserUnits) {
  // One point of the font is one unit of the page: twice the size, twice the width; a line a little taller
  // than the size.
  const CGSize small = measureTextWithPango("Quarterly figures", verdana(12));
  const CGSize large = measureTextWithPango("Quarterly figures", verdana(24));
  EXPECT_NEAR(large.width / small.width, 2.0, 0.02);
  EXPECT_GE(small.height, 12.0);
  EXPECT_LE(small.height, 18.0);
}

TEST(PangoMeasure, WidthsAreFractionalAndAddUpAcrossTexts) {
  // Unhinted metrics: a text's width is the sum of its parts to within rounding of Pango's units.
  const CGSize left = measureTextWithPango("iiii", verdana(11));
  const CGSize right = measureTextWithPango("llll", verdana(11));
  const CGSize both = measureTextWithPango("iiiillll", verdana(11));
  EXPECT_NEAR(both.width, left.width + right.width, 0.01);
  EXPECT_NE(both.width, static_cast<long>(both.width)) << "a whole number suggests hinted, rounded metrics";
}

TEST(PangoMeasure, TextWithNewlinesMeasuresItsLines) {
  const CGSize line = measureTextWithPango("a much longer line", verdana(12));
  const CGSize lines = measureTextWithPango("short\na much longer line", verdana(12));
  EXPECT_DOUBLE_EQ(lines.width, line.width);
  EXPECT_NEAR(lines.height, 2 * line.height, 0.01);
}

TEST(PangoMeasure, NothingToMeasureGivesZero) {
  EXPECT_EQ(measureTextWithPango("", verdana(12)), (CGSize{0, 0}));
  EXPECT_EQ(measureTextWithPango("text", verdana(0)), (CGSize{0, 0}));
}

TEST(PangoMeasure, InvalidUtf8StillMeasures) {
  const CGSize size = measureTextWithPango(std::string("ab\xff\xfe"
                                                       "cd",
                                                       6),
                                           verdana(12));
  EXPECT_GT(size.width, measureTextWithPango("abcd", verdana(12)).width);
  EXPECT_GT(size.height, 0);
}

TEST(FontResolution, DesignFontsResolveToInstalledFaces) {
  // Verdana itself where it is installed; the DejaVu Sans face that stands in for it here otherwise.
  const ResolvedFontFace regular = resolveFontFace(verdana(12));
  const ResolvedFontFace bold = resolveFontFace(*UIFont::fontWithName("Verdana-Bold", 12));
  const ResolvedFontFace system = resolveFontFace(*UIFont::systemFontOfSize(12));
  for (const ResolvedFontFace* face : {&regular, &bold}) {
    EXPECT_TRUE(face->family == "Verdana" || face->family == "DejaVu Sans") << face->family;
  }
  EXPECT_FALSE(system.family.empty());
  EXPECT_FALSE(regular.bold);
  EXPECT_TRUE(bold.bold);
  EXPECT_EQ(bold.family, regular.family);
}

TEST(FontResolution, BoldMeasuresWiderThanRegular) {
  const CGSize regular = measureTextWithPango("Revenue by region", verdana(12));
  const CGSize bold = measureTextWithPango("Revenue by region", *UIFont::fontWithName("Verdana-Bold", 12));
  EXPECT_GT(bold.width, regular.width);
}

}  // namespace
}  // namespace tarnavel
