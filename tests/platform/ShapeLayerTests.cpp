#include <gtest/gtest.h>

#include <cmath>

#include "tarnavel/platform/geometry/PathTrim.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/RecordingContext.h"

namespace tarnavel {
namespace {

using Kind = DrawingRecord::Kind;

CGPathRef squarePath() {
  auto path = CGPathCreateMutable();
  path->addRect(CGRectMake(0, 0, 10, 10));
  return path;
}

TEST(CAShapeLayer, FillsBlackAndStrokesNothingUntilTold) {
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
  ASSERT_EQ(recording.records().size(), 1u);
  EXPECT_EQ(recording.records()[0].kind, Kind::FillPath);
  EXPECT_EQ(recording.records()[0].color->rgba(), (std::array<CGFloat, 4>{0, 0, 0, 1}));
}

TEST(CAShapeLayer, FillsThenStrokesWithItsStyle) {
  CAShapeLayer layer;
  layer.path = squarePath();
  layer.fillRule = kCAFillRuleEvenOdd;
  layer.strokeColor = UIColor::colorWithRed(0, 0, 1, 1)->CGColor();
  layer.lineWidth = 3;
  layer.lineCap = kCALineCapRound;
  layer.lineJoin = kCALineJoinBevel;
  layer.lineDashPattern = {2, 1};
  layer.lineDashPhase = 0.5;
  RecordingContext recording;
  layer.drawInContext(recording);
  ASSERT_EQ(recording.records().size(), 2u);
  EXPECT_TRUE(recording.records()[0].evenOdd);
  const DrawingRecord& stroke = recording.records()[1];
  EXPECT_EQ(stroke.kind, Kind::StrokePath);
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

}  // namespace
}  // namespace tarnavel
