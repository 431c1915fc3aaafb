// What layers draw, read back through the recording context: how the renderer composes a layer, shape and
// gradient layers, and trimmed paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/geometry/PathTrim.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/RecordingContext.h"

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

TEST(RecordingContext, ShowsHowTheRendererComposesALayer) {
  auto root = makeLayer(CGRectMake(0, 0, 50, 50), UIColor::blackColor());
  root->opacity = 0.5;
  root->borderColor = UIColor::whiteColor()->CGColor();
  root->borderWidth = 2;
  root->mask = CALayer::layer();
  auto hidden = makeLayer(CGRectZero, UIColor::blackColor());
  hidden->hidden = true;
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

CGPathRef squarePath() {
  auto path = CGPathCreateMutable();
  path->addRect(CGRectMake(0, 0, 10, 10));
  return path;
}

TEST(CAShapeLayer, FillsBlackUntilToldAndStrokesWithItsStyleOnlyWithAColourAndAWidth) {
  CAShapeLayer layer;
  EXPECT_EQ(layer.lineWidth, 1);
  EXPECT_EQ(layer.lineCap, kCALineCapButt);
  EXPECT_EQ(layer.lineJoin, kCALineJoinMiter);
  EXPECT_EQ(layer.miterLimit, 10);
  EXPECT_EQ(layer.strokeEnd, 1);
  RecordingContext recording;
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty()) << "no path";
  layer.path = squarePath();
  layer.drawInContext(recording);
  ASSERT_EQ(kindsOf(recording), (std::vector<Kind>{Kind::FillPath})) << "no stroke colour";
  EXPECT_EQ(recording.records()[0].color->rgba(), (std::array<CGFloat, 4>{0, 0, 0, 1}));

  layer.fillRule = kCAFillRuleEvenOdd;
  layer.strokeColor = rgb(0, 0, 1)->CGColor();
  layer.lineWidth = 3;
  layer.lineCap = kCALineCapRound;
  layer.lineJoin = kCALineJoinBevel;
  layer.lineDashPattern = {2, 1};
  layer.lineDashPhase = 0.5;
  recording.clear();
  layer.drawInContext(recording);
  ASSERT_EQ(kindsOf(recording), (std::vector<Kind>{Kind::FillPath, Kind::StrokePath}));
  EXPECT_TRUE(recording.records()[0].evenOdd);
  const DrawingRecord& stroke = recording.records()[1];
  EXPECT_EQ(stroke.path, *layer.path);
  EXPECT_EQ(stroke.stroke.lineWidth, 3);
  EXPECT_EQ(stroke.stroke.lineCap, CGLineCap::Round);
  EXPECT_EQ(stroke.stroke.lineJoin, CGLineJoin::Bevel);
  EXPECT_EQ(stroke.stroke.dashPattern, (std::vector<CGFloat>{2, 1}));
  EXPECT_EQ(stroke.stroke.dashPhase, 0.5);

  recording.clear();
  layer.lineWidth = 0;
  layer.drawInContext(recording);
  EXPECT_EQ(recording.records().size(), 1u) << "a stroke of no width is not drawn";
}

TEST(CAShapeLayer, StrokesOnlyTheShareBetweenStrokeStartAndEnd) {
  CAShapeLayer layer;
  layer.path = squarePath();
  layer.fillColor = nullptr;
  layer.strokeColor = UIColor::whiteColor()->CGColor();
  layer.strokeStart = 0.25;
  layer.strokeEnd = 0.5;
  RecordingContext recording;
  layer.drawInContext(recording);
  ASSERT_EQ(recording.records().size(), 1u);
  CGPath rightSide;
  rightSide.moveTo({10, 0});
  rightSide.lineTo({10, 10});
  EXPECT_EQ(recording.records()[0].path, rightSide);

  recording.clear();
  layer.strokeStart = 0.6;
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty());
}

TEST(PathTrim, RestartsAtEachSubpathAndFollowsCurves) {
  CGPath twoLines;
  twoLines.moveTo({0, 0});
  twoLines.lineTo({10, 0});
  twoLines.moveTo({0, 5});
  twoLines.lineTo({10, 5});
  CGPath expected;
  expected.moveTo({5, 0});
  expected.lineTo({10, 0});
  expected.moveTo({0, 5});
  expected.lineTo({5, 5});
  EXPECT_EQ(trimPath(twoLines, 0.25, 0.75), expected);

  CGPath circle;
  circle.addEllipseInRect(CGRectMake(-10, -10, 20, 20));
  const CGPath half = trimPath(circle, 0, 0.5);
  for (const auto& e : half.elements()) {
    EXPECT_NEAR(std::hypot(e.points[0].x, e.points[0].y), 10, 0.01);
    EXPECT_GE(e.points[0].y, -1e-9) << "the first half runs through the lower side (y down)";
  }
}

std::vector<CGFloat> stopLocations(const CGGradient& gradient) {
  std::vector<CGFloat> out;
  for (const auto& stop : gradient.stops)
    out.push_back(stop.location);
  return out;
}

TEST(CAGradientLayer, StopsSpreadEvenlyOrFollowTheLocationsAsFarAsBothListsGo) {
  struct Case {
    std::size_t colours;
    std::optional<std::vector<CGFloat>> locations;
    std::vector<CGFloat> stops;
  };
  const Case cases[] = {
      {5, std::nullopt, {0, 0.25, 0.5, 0.75, 1}},
      {1, std::nullopt, {0}},
      {3, std::vector<CGFloat>{0, 0.5, 0.5, 1}, {0, 0.5, 0.5}},
      {3, std::vector<CGFloat>{0.2, 0.9}, {0.2, 0.9}},
      {3, std::vector<CGFloat>{}, {}},
      {3, std::vector<CGFloat>{-1, std::nan(""), 4}, {0, 0, 1}},
      {0, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    CAGradientLayer layer;
    layer.colors.assign(c.colours, rgb(0, 0, 1)->CGColor());
    layer.locations = c.locations;
    EXPECT_EQ(stopLocations(layer.gradient()), c.stops) << c.colours << " colours";
  }
}

TEST(CAGradientLayer, DrawsAlongItsUnitPointsMappedOntoItsBounds) {
  CAGradientLayer layer;
  EXPECT_EQ(layer.startPoint, CGPointMake(0.5, 0));
  EXPECT_EQ(layer.endPoint, CGPointMake(0.5, 1));
  layer.setBounds(CGRectMake(10, 20, 100, 40));
  layer.colors = {rgb(1, 0, 0)->CGColor(), rgb(0, 0, 1)->CGColor()};
  layer.startPoint = {0, 0.5};
  layer.endPoint = {1, 1};
  RecordingContext recording;
  layer.drawInContext(recording);
  const auto gradients = recording.recordsOfKind(Kind::LinearGradient);
  ASSERT_EQ(gradients.size(), 1u);
  EXPECT_EQ(gradients[0].start, CGPointMake(10, 40));
  EXPECT_EQ(gradients[0].end, CGPointMake(110, 60));
  EXPECT_EQ(gradients[0].options, kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation);
  const auto clips = recording.recordsOfKind(Kind::ClipToPath);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].path.boundingBox(), CGRectMake(10, 20, 100, 40));

  recording.clear();
  layer.setBounds(CGRectMake(0, 0, 100, 0));
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty()) << "no area, nothing drawn";
}

}  // namespace
}  // namespace tarnavel
