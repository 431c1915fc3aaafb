// Reading back what a tree drew through the recording context.
#include <gtest/gtest.h>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/render/RecordingContext.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;
using Kind = DrawingRecord::Kind;

std::vector<Kind> kindsOf(const RecordingContext& recording) {
  std::vector<Kind> kinds;
  for (const DrawingRecord& record : recording.records())
    kinds.push_back(record.kind);
  return kinds;
}

TEST(RecordingContext, KeepsGradientCallsInOrderWithTheirTransform) {
  const CGGradient gradient{{{0, {1, 0, 0, 1}}, {0.5, {0, 1, 0, 1}}, {1, {0, 0, 1, 0.5}}}};
  auto root = CALayer::layer();
  root->setFrame(CGRectMake(0, 0, 200, 100));
  root->addSublayer(makeDrawingLayer(CGRectMake(30, 20, 100, 40), [&](CGContext& context) {
    context.drawLinearGradient(gradient, {0, 20}, {100, 20}, kCGGradientDrawsBeforeStartLocation);
    context.drawRadialGradient(gradient, {50, 20}, 0, {50, 20}, 155, kCGGradientDrawsAfterEndLocation);
  }));
  RecordingContext recording;
  renderLayerTree(*root, recording);

  const auto linear = recording.recordsOfKind(Kind::LinearGradient);
  const auto radial = recording.recordsOfKind(Kind::RadialGradient);
  ASSERT_EQ(linear.size(), 1u);
  ASSERT_EQ(radial.size(), 1u);
  EXPECT_EQ(linear[0].start, CGPointMake(0, 20));
  EXPECT_EQ(linear[0].end, CGPointMake(100, 20));
  EXPECT_EQ(linear[0].options, kCGGradientDrawsBeforeStartLocation);
  ASSERT_EQ(linear[0].gradient.stops.size(), 3u);
  EXPECT_EQ(linear[0].gradient.stops[1].location, 0.5);
  EXPECT_EQ(linear[0].gradient.stops[2].rgba, (std::array<CGFloat, 4>{0, 0, 1, 0.5}));
  EXPECT_EQ(linear[0].ctm, CGAffineTransformMakeTranslation(30, 20));
  EXPECT_EQ(radial[0].start, CGPointMake(50, 20));
  EXPECT_EQ(radial[0].startRadius, 0);
  EXPECT_EQ(radial[0].endRadius, 155);
  EXPECT_EQ(radial[0].options, kCGGradientDrawsAfterEndLocation);

  const auto kinds = kindsOf(recording);
  const auto first = std::find(kinds.begin(), kinds.end(), Kind::LinearGradient);
  ASSERT_NE(first, kinds.end());
  EXPECT_EQ(*(first + 1), Kind::RadialGradient);
}

TEST(RecordingContext, FollowsTheTransformThroughSavesAndGroups) {
  RecordingContext recording;
  recording.concatCTM(CGAffineTransformMakeTranslation(10, 0));
  recording.saveGState();
  recording.concatCTM(CGAffineTransformMakeScale(2, 2));
  recording.beginGroup();
  recording.concatCTM(CGAffineTransformMakeTranslation(0, 5));
  EXPECT_EQ(recording.currentTransform(), (CGAffineTransform{2, 0, 0, 2, 10, 10}));
  recording.restoreGState();  // nothing saved inside the group: no change
  EXPECT_EQ(recording.currentTransform(), (CGAffineTransform{2, 0, 0, 2, 10, 10}));
  recording.endGroup(0.5);
  EXPECT_EQ(recording.currentTransform(), (CGAffineTransform{2, 0, 0, 2, 10, 0}));
  recording.restoreGState();
  EXPECT_EQ(recording.currentTransform(), CGAffineTransformMakeTranslation(10, 0));
  EXPECT_EQ(recording.records().size(), 8u);
  EXPECT_EQ(recording.records()[6].alpha, 0.5);
}

TEST(RecordingContext, ShowsHowTheRendererComposesALayer) {
  auto root = CALayer::layer();
  root->setFrame(CGRectMake(0, 0, 50, 50));
  root->opacity = 0.5;
  root->backgroundColor = UIColor::blackColor()->CGColor();
  root->borderColor = UIColor::whiteColor()->CGColor();
  root->borderWidth = 2;
  root->mask = CALayer::layer();
  auto hidden = CALayer::layer();
  hidden->hidden = true;
  hidden->backgroundColor = UIColor::blackColor()->CGColor();
  root->addSublayer(hidden);

  RecordingContext recording;
  renderLayerTree(*root, recording);
  EXPECT_EQ(
      kindsOf(recording),
      (std::vector<Kind>{Kind::BeginGroup, Kind::BeginGroup, Kind::FillPath,      // faded, masked, background
                         Kind::SaveGState, Kind::ConcatCTM, Kind::RestoreGState,  // the hidden sublayer
                         Kind::FillPath,                                          // the border
                         Kind::BeginGroup, Kind::SaveGState, Kind::ConcatCTM, Kind::RestoreGState,
                         Kind::EndGroupWithMask, Kind::EndGroup}));
  EXPECT_TRUE(recording.records()[6].evenOdd);
  EXPECT_EQ(recording.records().back().alpha, 0.5);
}

TEST(RecordingContext, LabelDrawsOneTextRunInItsBounds) {
  auto label = std::make_shared<UILabel>(CGRectMake(40, 10, 80, 20));
  label->setText("Units");
  label->textAlignment = NSTextAlignment::Right;
  label->setFont(UIFont::fontWithName("Verdana", 11));
  RecordingContext recording;
  renderLayerTree(*label->layer(), recording);
  const auto texts = recording.recordsOfKind(Kind::DrawText);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text.text, "Units");
  EXPECT_EQ(texts[0].text.rect, CGRectMake(0, 0, 80, 20));
  EXPECT_EQ(texts[0].text.alignment, NSTextAlignment::Right);
  EXPECT_EQ(texts[0].text.font, UIFont::fontWithName("Verdana", 11));
  EXPECT_EQ(texts[0].text.maxLines, 1);
  ASSERT_EQ(recording.recordsOfKind(Kind::ClipToPath).size(), 1u);
  EXPECT_EQ(recording.recordsOfKind(Kind::ClipToPath)[0].path.boundingBox(), CGRectMake(0, 0, 80, 20));
}

}  // namespace
}  // namespace tarnavel
