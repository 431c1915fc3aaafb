#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tarnavel/platform/CAShapeLayer.h"
#include "tarnavel/platform/PathTrim.h"
#include "tarnavel/platform/RecordingContext.h"
#include "tarnavel/platform/UIBezierPath.h"

namespace tarnavel {
namespace {

using Type = CGPath::ElementType;

TEST(CAShapeLayer, HasTheToolkitDefaults) {
  const auto layer = CAShapeLayer::layer();
  EXPECT_EQ(layer->path, nullptr);
  ASSERT_NE(layer->fillColor, nullptr);
  EXPECT_EQ(layer->fillColor->rgba(), (std::array<CGFloat, 4>{0, 0, 0, 1}));
  EXPECT_EQ(layer->strokeColor, nullptr);
  EXPECT_EQ(layer->lineWidth, 1);
  EXPECT_EQ(layer->lineCap, kCALineCapButt);
  EXPECT_EQ(layer->lineJoin, kCALineJoinMiter);
  EXPECT_EQ(layer->miterLimit, 10);
  EXPECT_TRUE(layer->lineDashPattern.empty());
  EXPECT_EQ(layer->lineDashPhase, 0);
  EXPECT_EQ(layer->strokeStart, 0);
  EXPECT_EQ(layer->strokeEnd, 1);
  EXPECT_EQ(layer->fillRule, kCAFillRuleNonZero);
  EXPECT_EQ(layer->frame(), CGRectZero);
}

using Kind = DrawingRecord::Kind;

CGPathRef squarePath() {
  auto path = CGPathCreateMutable();
  path->addRect(CGRectMake(0, 0, 10, 10));
  return path;
}

TEST(CAShapeLayer, FillsThenStrokesWithItsStyle) {
  CAShapeLayer layer;
  layer.path = squarePath();
  layer.fillColor = UIColor::colorWithRed(1, 0, 0, 1)->CGColor();
  layer.fillRule = kCAFillRuleEvenOdd;
  layer.strokeColor = UIColor::colorWithRed(0, 0, 1, 1)->CGColor();
  layer.lineWidth = 3;
  layer.lineCap = kCALineCapRound;
  layer.lineJoin = kCALineJoinBevel;
  layer.miterLimit = 4;
  layer.lineDashPattern = {2, 1};
  layer.lineDashPhase = 0.5;
  RecordingContext recording;
  layer.drawInContext(recording);
  ASSERT_EQ(recording.records().size(), 2u);
  const DrawingRecord& fill = recording.records()[0];
  const DrawingRecord& stroke = recording.records()[1];
  EXPECT_EQ(fill.kind, Kind::FillPath);
  EXPECT_EQ(fill.path, *layer.path);
  EXPECT_TRUE(fill.evenOdd);
  EXPECT_EQ(stroke.kind, Kind::StrokePath);
  EXPECT_EQ(stroke.path, *layer.path);
  EXPECT_EQ(stroke.stroke.color, layer.strokeColor);
  EXPECT_EQ(stroke.stroke.lineWidth, 3);
  EXPECT_EQ(stroke.stroke.lineCap, CGLineCap::Round);
  EXPECT_EQ(stroke.stroke.lineJoin, CGLineJoin::Bevel);
  EXPECT_EQ(stroke.stroke.miterLimit, 4);
  EXPECT_EQ(stroke.stroke.dashPattern, (std::vector<CGFloat>{2, 1}));
  EXPECT_EQ(stroke.stroke.dashPhase, 0.5);
}

TEST(CAShapeLayer, DrawsOnlyWhatItHasColoursAndAPathFor) {
  CAShapeLayer layer;
  RecordingContext recording;
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty()) << "no path";

  layer.path = squarePath();
  layer.drawInContext(recording);
  ASSERT_EQ(recording.records().size(), 1u) << "the default black fill, no stroke";
  EXPECT_EQ(recording.records()[0].color->rgba(), (std::array<CGFloat, 4>{0, 0, 0, 1}));

  recording.clear();
  layer.fillColor = nullptr;
  layer.strokeColor = UIColor::whiteColor()->CGColor();
  layer.lineWidth = 0;
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty()) << "a stroke of no width";
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
  CGPath expected;
  expected.moveTo({10, 0});
  expected.lineTo({10, 10});
  EXPECT_EQ(recording.records()[0].path, expected);

  recording.clear();
  layer.strokeStart = 0.6;
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty());
}

TEST(UIBezierPath, BuildsTheShapesTheChartDrawsWith) {
  const auto rect = UIBezierPath::bezierPathWithRect(CGRectMake(1, 2, 3, 4))->CGPath();
  ASSERT_EQ(rect->elements().size(), 5u);
  EXPECT_EQ(rect->elements()[2].points[0], CGPointMake(4, 6));
  EXPECT_EQ(rect->elements()[4].type, Type::Close);

  const auto oval = UIBezierPath::bezierPathWithOvalInRect(CGRectMake(0, 0, 10, 20))->CGPath();
  EXPECT_EQ(oval->boundingBox(), CGRectMake(0, 0, 10, 20));

  // An open triangle: move and two lines, nothing closes it.
  const auto triangle = UIBezierPath::bezierPath();
  triangle->moveToPoint({2, 0});
  triangle->addLineToPoint({4, 4});
  triangle->addLineToPoint({0, 4});
  const CGPathRef snapshot = triangle->CGPath();
  triangle->addLineToPoint({9, 9});
  ASSERT_EQ(snapshot->elements().size(), 3u);
  EXPECT_EQ(snapshot->elements()[2].type, Type::LineTo);
}

TEST(UIBezierPath, WedgeJoinsItsRadiusToTheArc) {
  const auto wedge = UIBezierPath::bezierPath();
  wedge->moveToPoint({50, 50});
  wedge->addLineToPoint({50, 10});
  wedge->addArcWithCenter({50, 50}, 40, -std::numbers::pi / 2, 0, true);
  wedge->addLineToPoint({50, 50});
  const auto path = wedge->CGPath();
  const CGPoint arcEnd = path->elements()[path->elements().size() - 2].points[2];
  EXPECT_NEAR(arcEnd.x, 90, 1e-9);
  EXPECT_NEAR(arcEnd.y, 50, 1e-9);
  EXPECT_EQ(path->currentPoint(), CGPointMake(50, 50));
}

std::vector<std::pair<CGPoint, CGPoint>> pieces(const CGPath& path) {
  std::vector<std::pair<CGPoint, CGPoint>> out;
  CGPoint current;
  for (const auto& e : path.elements()) {
    if (e.type == Type::LineTo) out.push_back({current, e.points[0]});
    current = e.points[0];
  }
  return out;
}

TEST(PathTrim, KeepsTheRequestedShareOfTheLength) {
  CGPath ell;  // 10 down, then 10 right: 20 long
  ell.moveTo({0, 0});
  ell.lineTo({0, 10});
  ell.lineTo({10, 10});

  const CGPath middle = trimPath(ell, 0.25, 0.75);
  ASSERT_EQ(middle.elements().front().type, Type::MoveTo);
  EXPECT_EQ(middle.elements().front().points[0], CGPointMake(0, 5));
  EXPECT_EQ(pieces(middle),
            (std::vector<std::pair<CGPoint, CGPoint>>{{{0, 5}, {0, 10}}, {{0, 10}, {5, 10}}}));

  EXPECT_TRUE(trimPath(ell, 0.5, 0.5).isEmpty());
  EXPECT_TRUE(trimPath(ell, 0.8, 0.2).isEmpty());
  EXPECT_TRUE(trimPath(CGPath{}, 0, 1).isEmpty());
}

TEST(PathTrim, RestartsAtEachSubpathAndFollowsTheClosingSide) {
  CGPath twoLines;
  twoLines.moveTo({0, 0});
  twoLines.lineTo({10, 0});
  twoLines.moveTo({0, 5});
  twoLines.lineTo({10, 5});
  const CGPath both = trimPath(twoLines, 0.25, 0.75);
  int moves = 0;
  for (const auto& e : both.elements())
    moves += e.type == Type::MoveTo;
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(pieces(both), (std::vector<std::pair<CGPoint, CGPoint>>{{{5, 0}, {10, 0}}, {{0, 5}, {5, 5}}}));

  CGPath square;
  square.addRect(CGRectMake(0, 0, 10, 10));
  const CGPath lastSide = trimPath(square, 0.75, 1);
  EXPECT_EQ(pieces(lastSide), (std::vector<std::pair<CGPoint, CGPoint>>{{{0, 10}, {0, 0}}}));
}

TEST(PathTrim, FlattensCurvesOntoTheCurve) {
  CGPath circle;
  circle.addEllipseInRect(CGRectMake(-10, -10, 20, 20));
  const CGPath half = trimPath(circle, 0, 0.5);
  for (const auto& piece : pieces(half)) {
    EXPECT_NEAR(std::hypot(piece.second.x, piece.second.y), 10, 0.01);
    EXPECT_GE(piece.second.y, -1e-9);  // the first half runs through the lower side (y down)
  }
}

}  // namespace
}  // namespace tarnavel
