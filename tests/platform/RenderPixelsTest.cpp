// Pixels of rendered view and layer trees (what is drawn where, in which order, clipped, masked and
// blended) and of the Cairo drawing context that draws them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/geometry/UIBezierPath.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/views/UIImageView.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;

TEST(RenderTree, BackgroundFillsTheViewAndBorderLiesInsideItsRoundedEdge) {
  auto page = whitePage();
  auto box = makeView(CGRectMake(20, 20, 60, 40), rgb(1, 0, 0));
  box->layer()->borderColor = rgb(0, 0, 1)->CGColor();
  box->layer()->borderWidth = 4;
  box->layer()->cornerRadius = 10;
  page->addSubview(box);
  const auto image = pixelsOf(*page);
  // The centre, the border on either side and just inside it; outside the box and outside its round corner.
  expectPixels(*image, {{50, 40, kRed}, {21, 40, kBlue}, {78, 40, kBlue}, {25, 40, kRed}});
  expectPixels(*image, {{18, 40, kWhite}, {50, 61, kWhite}, {21, 21, kWhite}});
}

TEST(RenderTree, LaterChildrenCoverEarlierOnesWhetherViewsOrLayers) {
  auto page = whitePage();
  page->addSubview(makeView(CGRectMake(0, 0, 60, 100), rgb(1, 0, 0)));
  const auto layer = makeLayer(CGRectMake(40, 0, 60, 100), rgb(0, 1, 0));
  page->layer()->addSublayer(layer);
  page->addSubview(makeView(CGRectMake(80, 0, 20, 100), rgb(0, 0, 1)));
  layer->setNeedsDisplay();
  expectPixels(*pixelsOf(*page), {{20, 50, kRed}, {50, 50, kGreen}, {90, 50, kBlue}});
  EXPECT_FALSE(layer->needsDisplay()) << "drawing clears the request";
}

TEST(RenderTree, ChildrenAreClippedOnlyWhenTheParentAsks) {
  for (const bool clips : {false, true}) {
    SCOPED_TRACE(clips ? "clipsToBounds" : "no clipping");
    auto page = whitePage();
    auto parent = makeView(CGRectMake(10, 10, 40, 40), rgb(1, 0, 0));
    parent->setClipsToBounds(clips);
    parent->addSubview(makeView(CGRectMake(30, 30, 40, 40), rgb(0, 0, 1)));
    page->addSubview(parent);
    expectPixels(*pixelsOf(*page), {{45, 45, kBlue}, {70, 70, clips ? kWhite : kBlue}});
  }
}

TEST(RenderTree, RoundedMasksToBoundsClipsTheCorners) {
  auto page = whitePage();
  auto parent = makeView(CGRectMake(0, 0, 100, 100));
  parent->layer()->cornerRadius = 40;
  parent->layer()->masksToBounds = true;
  parent->addSubview(makeView(CGRectMake(0, 0, 100, 100), rgb(0, 0, 1)));
  page->addSubview(parent);
  expectPixels(*pixelsOf(*page), {{2, 2, kWhite}, {50, 50, kBlue}});
}

TEST(RenderTree, OpacityBlendsTheSubtreeAsOneGroupAndHiddenOrTransparentViewsDrawNothing) {
  // Two overlapping black children of a half-transparent parent: the overlap is no darker than the rest.
  auto page = whitePage();
  auto parent = makeView(CGRectMake(0, 0, 100, 50));
  parent->setAlpha(0.5);
  parent->addSubview(makeView(CGRectMake(0, 0, 60, 50), rgb(0, 0, 0)));
  parent->addSubview(makeView(CGRectMake(40, 0, 60, 50), rgb(0, 0, 0)));
  page->addSubview(parent);
  auto hidden = makeView(CGRectMake(0, 50, 50, 50), rgb(1, 0, 0));
  hidden->setHidden(true);
  auto transparent = makeView(CGRectMake(50, 50, 50, 50), rgb(1, 0, 0));
  transparent->setAlpha(0);
  page->addSubview(hidden);
  page->addSubview(transparent);
  expectPixels(*pixelsOf(*page), {{20, 25, kGrey}, {50, 25, kGrey}, {25, 75, kWhite}, {75, 75, kWhite}});
}

TEST(RenderTree, TransformsTurnAndScaleAboutTheCentreOrTheAnchor) {
  auto page = whitePage();
  // A tall bar turned a quarter round its centre lies across the page.
  auto rotated = makeView(CGRectMake(45, 10, 10, 80), rgb(1, 0, 0));
  rotated->setTransform(CGAffineTransformMakeRotation(std::numbers::pi / 2));
  page->addSubview(rotated);
  // A small square scaled up three times around its centre.
  auto scaled = makeView(CGRectMake(75, 75, 10, 10), rgb(0, 0, 1));
  scaled->setTransform(CGAffineTransformMakeScale(3, 3));
  page->addSubview(scaled);
  expectPixels(*pixelsOf(*page),
               {{15, 50, kRed}, {50, 20, kWhite}, {66, 66, kBlue}, {93, 93, kBlue}, {97, 97, kWhite}});

  // A layer squashed to half its height about its anchor, the centre.
  auto squashed = whitePage();
  auto square = makeLayer(CGRectMake(0, 0, 100, 100), rgb(0, 0, 1));
  square->setTransform(CATransform3DMakeScale(1, 0.5, 1));
  squashed->layer()->addSublayer(square);
  expectPixels(*pixelsOf(*squashed), {{50, 30, kBlue}, {50, 10, kWhite}, {50, 90, kWhite}});
}

TEST(RenderTree, PageIsTheViewsBoundsWhateverItsFrame) {
  auto page = makeView(CGRectMake(300, 200, 100, 100), UIColor::whiteColor());
  page->setBounds(CGRectMake(50, 0, 100, 100));
  page->addSubview(makeView(CGRectMake(50, 0, 10, 10), rgb(1, 0, 0)));
  EXPECT_TRUE(pixelNear(*pixelsOf(*page), 5, 5, kRed));
}

TEST(RenderTree, LabelInkStaysInsideItsFrame) {
  auto page = whitePage(200, 60);
  auto label = std::make_shared<UILabel>(CGRectMake(20, 20, 60, 20));
  label->setText("A caption far too long for its label");
  label->setFont(UIFont::fontWithName("Verdana", 12));
  page->addSubview(label);
  const auto image = pixelsOf(*page);
  EXPECT_GT(inkPixels(*image, 20, 20, 80, 40), 40);
  EXPECT_EQ(inkPixels(*image, 0, 0, 200, 19), 0);
  EXPECT_EQ(inkPixels(*image, 81, 0, 200, 60), 0) << "the text is cut with an ellipsis inside the label";
  EXPECT_EQ(inkPixels(*image, 0, 41, 200, 60), 0);
}

TEST(RenderTree, TextUnderAStrongEnlargementDrawsAtItsSizeOnThePage) {
  const auto inkOfH = [](CGFloat fontSize, CGFloat scale) {
    auto page = whitePage(400, 400);
    auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 1.5 * fontSize, 1.5 * fontSize));
    label->setText("H");
    label->setFont(UIFont::fontWithName("Verdana", fontSize));
    label->textAlignment = NSTextAlignment::Center;
    label->setTransform(CGAffineTransformMakeScale(scale, scale));
    label->setCenter(CGPointMake(200, 200));
    page->addSubview(label);
    return inkPixels(*pixelsOf(*page), 0, 0, 400, 400);
  };
  const int plain = inkOfH(300, 1);
  const int enlarged = inkOfH(1, 300);
  EXPECT_GT(plain, 10000);
  EXPECT_NEAR(enlarged, plain, plain / 20);
}

TEST(RenderTree, LabelAlignmentPlacesTheText) {
  // Which fifths of a 200-point label hold the ink of "Ok": the first, the middle, the last.
  const auto inkIn = [](NSTextAlignment alignment) {
    auto page = whitePage(200, 30);
    auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 200, 30));
    label->setText("Ok");
    label->textAlignment = alignment;
    page->addSubview(label);
    const auto image = pixelsOf(*page);
    std::string fifths;
    for (const int x : {0, 80, 160})
      fifths += inkPixels(*image, x, 0, x + 40, 30) > 0 ? "x" : "-";
    return fifths;
  };
  EXPECT_EQ(inkIn(NSTextAlignment::Left), "x--");
  EXPECT_EQ(inkIn(NSTextAlignment::Natural), "x--");
  EXPECT_EQ(inkIn(NSTextAlignment::Center), "-x-");
  EXPECT_EQ(inkIn(NSTextAlignment::Right), "--x");
}

TEST(RenderTree, WrappingLabelUsesSeveralLines) {
  auto page = whitePage(120, 120);
  auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 120, 120));
  label->setText("one two three four five six seven eight nine ten");
  label->setFont(UIFont::fontWithName("Verdana", 12));
  label->numberOfLines = 0;
  page->addSubview(label);
  const auto image = pixelsOf(*page);
  // Vertically centred block of several lines: ink above and below the middle line's band.
  EXPECT_GT(inkPixels(*image, 0, 20, 120, 50), 0);
  EXPECT_GT(inkPixels(*image, 0, 70, 120, 100), 0);
}

TEST(RenderTree, ALineBreakEndsTheTextOfAOneLineLabelOnly) {
  // "Hi" over a row of W's: one line shows "Hi" and an ellipsis at the left, a label of any number of lines
  // the W's as well, far further across.
  for (const NSInteger lines : {1, 0}) {
    SCOPED_TRACE(lines);
    auto page = whitePage(200, 60);
    auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 200, 60));
    label->setText("Hi\nWWWWWWWWWW");
    label->setFont(UIFont::fontWithName("Verdana", 12));
    label->numberOfLines = lines;
    page->addSubview(label);
    const auto image = pixelsOf(*page);
    EXPECT_GT(inkPixels(*image, 0, 0, 60, 60), 0);
    EXPECT_EQ(inkPixels(*image, 60, 0, 200, 60) > 0, lines == 0);
  }
}

TEST(RenderTree, ImagesAndLayerContentsAreScaledToTheBounds) {
  // Four pixels, premultiplied ARGB: red, green / blue, half-transparent white.
  auto image = std::make_shared<UIImage>(std::make_shared<CGImage>(
      2, 2, std::vector<std::uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80808080u}));
  auto page = makeView(CGRectMake(0, 0, 100, 100), UIColor::blackColor());
  auto imageView = std::make_shared<UIImageView>(image);
  imageView->setFrame(CGRectMake(10, 10, 80, 80));
  page->addSubview(imageView);
  expectPixels(*pixelsOf(*page),
               {{20, 20, kRed}, {80, 20, kGreen}, {20, 80, kBlue}, {80, 80, kGrey}, {5, 5, opaque(0, 0, 0)}});

  auto contentsPage = whitePage();
  auto layer = makeLayer(CGRectMake(0, 0, 50, 50));
  layer->contents = std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0xFF0000FFu});
  contentsPage->layer()->addSublayer(layer);
  expectPixels(*pixelsOf(*contentsPage), {{48, 48, kBlue}, {52, 52, kWhite}});
}

TEST(RenderTree, MaskShowsTheLayerOnlyWhereTheMaskIsOpaque) {
  auto page = whitePage();
  auto box = makeView(CGRectMake(20, 0, 80, 100), rgb(1, 0, 0));
  box->addSubview(makeView(CGRectMake(0, 50, 80, 50), rgb(0, 0, 1)));
  // In the box's coordinates: x 20 to 60 on the page. The sublayers are masked with the layer.
  box->layer()->mask = makeLayer(CGRectMake(0, 0, 40, 100), UIColor::blackColor());
  page->addSubview(box);
  expectPixels(*pixelsOf(*page),
               {{50, 25, kRed}, {50, 75, kBlue}, {10, 25, kWhite}, {70, 25, kWhite}, {70, 75, kWhite}});

  // Two layers that mask each other still draw.
  auto loopPage = whitePage();
  auto first = makeLayer(CGRectMake(0, 0, 100, 100), rgb(1, 0, 0));
  auto second = makeLayer(CGRectMake(0, 0, 100, 100), rgb(1, 0, 0));
  first->mask = second;
  second->mask = first;
  loopPage->layer()->addSublayer(first);
  EXPECT_TRUE(pixelNear(*pixelsOf(*loopPage), 50, 50, kRed));
  first->mask = nullptr;  // the two hold each other
}

// A quarter wedge from the top, turning clockwise on screen, as a pie draws it.
CGPathRef quarterWedge(CGPoint c, CGFloat r) {
  auto path = UIBezierPath::bezierPath();
  const CGFloat start = 1.5 * std::numbers::pi;
  path->moveToPoint(c);
  path->addLineToPoint({c.x + r * std::cos(start), c.y + r * std::sin(start)});
  path->addArcWithCenter(c, r, start, start + std::numbers::pi / 2, true);
  path->addLineToPoint(c);
  return path->CGPath();
}

TEST(RenderTree, AClockwiseArcFromTheTopCoversTheUpperRightQuarterAndMasksItsSibling) {
  for (const bool asMask : {false, true}) {
    SCOPED_TRACE(asMask ? "a mask that is also a sublayer" : "a wedge");
    auto page = whitePage();
    auto series = CAShapeLayer::layer();
    auto wedge = CAShapeLayer::layer();
    wedge->path = quarterWedge({50, 50}, 40);
    wedge->fillColor = rgb(1, 0, 0)->CGColor();
    series->addSublayer(wedge);
    if (asMask) {
      auto overlay = makeLayer(CGRectMake(0, 0, 100, 100), rgb(0, 0, 1));
      overlay->mask = wedge;
      series->addSublayer(overlay);
    }
    page->layer()->addSublayer(series);
    expectPixels(*pixelsOf(*page),
                 {{70, 30, asMask ? kBlue : kRed}, {30, 30, kWhite}, {70, 70, kWhite}, {30, 70, kWhite}});
  }
}

TEST(RenderTree, ShadowIsTheOffsetSilhouetteInOpaqueBlackUntilColoured) {
  // Only the opacity and offset are set: the colour a new layer starts with casts the shadow.
  auto page = whitePage();
  auto box = makeView(CGRectMake(20, 20, 40, 40), rgb(1, 0, 0));
  box->layer()->setShadowOpacity(0.5);
  box->layer()->setShadowOffset(CGSizeMake(10, 10));
  page->addSubview(box);
  expectPixels(*pixelsOf(*page), {{40, 40, kRed}, {65, 65, kGrey}, {15, 15, kWhite}});
}

TEST(RenderTree, OwnDrawingIsClippedToTheBoundsButAShapePathIsNot) {
  auto page = whitePage();
  page->layer()->addSublayer(makeDrawingLayer(CGRectMake(20, 20, 20, 20), [](CGContext& context) {
    context.fillPath(rectPath(CGRectMake(-100, -100, 400, 400)), rgb(1, 0, 0)->CGColor());
  }));
  // A segment layer without a frame: its path is in its superlayer's coordinates.
  auto segment = CAShapeLayer::layer();
  auto path = CGPathCreateMutable();
  CGPathMoveToPoint(path, nullptr, 10, 70);
  CGPathAddLineToPoint(path, nullptr, 90, 70);
  segment->path = path;
  segment->strokeColor = rgb(0, 0, 1)->CGColor();
  segment->lineWidth = 6;
  page->layer()->addSublayer(segment);
  expectPixels(*pixelsOf(*page), {{30, 30, kRed}, {50, 50, kWhite}, {50, 70, kBlue}, {50, 60, kWhite}});
}

CGGradient redToBlue() {
  return {{{0, {1, 0, 0, 1}}, {1, {0, 0, 1, 1}}}};
}

TEST(DrawingContext, GradientsExtendOnlyTheSidesAskedForAndShowTheNearestStopUpToAnEnd) {
  struct Case {
    CGGradientDrawingOptions options;
    RGBA8 before;
    RGBA8 after;
  };
  for (const Case& c :
       {Case{0, kWhite, kWhite}, Case{kCGGradientDrawsBeforeStartLocation, kRed, kWhite},
        Case{kCGGradientDrawsAfterEndLocation, kWhite, kBlue},
        Case{kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation, kRed, kBlue}}) {
    SCOPED_TRACE(c.options);
    const auto linear = drawn([&](CGContext& context) {
      context.drawLinearGradient(redToBlue(), {30, 0}, {70, 0}, c.options);
    });
    // Inside the range the gradient is painted.
    expectPixels(
        *linear,
        {{10, 50, c.before}, {90, 50, c.after}, {31, 50, kRed, 12}, {50, 50, opaque(128, 0, 127), 6}});
    // Between circles of radius 20 and 40: inside the first is before the start, outside the second after
    // the end.
    const auto radial = drawn([&](CGContext& context) {
      context.drawRadialGradient(redToBlue(), {50, 50}, 20, {50, 50}, 40, c.options);
    });
    expectPixels(*radial, {{50, 50, c.before}, {95, 50, c.after}, {50, 89, kBlue, 12}});
    // Between an end and the nearest stop, that stop's colour.
    const auto inset = drawn([&](CGContext& context) {
      context.drawLinearGradient(CGGradient{{{0.25, {1, 0, 0, 1}}, {0.75, {0, 0, 1, 1}}}}, {0, 0}, {100, 0},
                                 c.options);
    });
    expectPixels(*inset, {{10, 50, kRed}, {90, 50, kBlue}});
  }
}

TEST(DrawingContext, DegenerateGradientsDrawNothing) {
  const auto image = drawn([](CGContext& context) {
    context.drawLinearGradient(redToBlue(), {50, 50}, {50, 50}, 3);
    context.drawLinearGradient(CGGradient{}, {0, 0}, {100, 0}, 3);
    context.drawRadialGradient(redToBlue(), {50, 50}, 10, {50, 50}, 10, 3);
    context.drawRadialGradient(redToBlue(), {50, 50}, -5, {50, 50}, 10, 3);
  });
  EXPECT_TRUE(pixelNear(*image, 50, 50, kWhite));
}

TEST(DrawingContext, StrokeFollowsWidthCapAndDash) {
  CGPath line;
  line.moveTo({20, 50});
  line.lineTo({80, 50});
  CGStrokeStyle style;
  style.color = rgb(0, 0, 1)->CGColor();
  style.lineWidth = 10;
  style.lineCap = CGLineCap::Square;
  // A square cap reaches half the width past the end.
  const auto solid = drawn([&](CGContext& context) { context.strokePath(line, style); });
  expectPixels(*solid, {{50, 46, kBlue}, {50, 40, kWhite}, {17, 50, kBlue}});

  style.lineCap = CGLineCap::Butt;
  style.dashPattern = {10, 10};
  const auto dashed = drawn([&](CGContext& context) { context.strokePath(line, style); });
  expectPixels(*dashed, {{25, 50, kBlue}, {35, 50, kWhite}, {17, 50, kWhite}});

  // A dash that cannot be drawn strokes solid rather than breaking the context.
  for (const std::vector<CGFloat>& unusable : {std::vector<CGFloat>{0, 0}, std::vector<CGFloat>{5, -1}}) {
    style.dashPattern = unusable;
    const auto image = drawn([&](CGContext& context) {
      context.strokePath(line, style);
      context.fillPath(rectPath(CGRectMake(0, 0, 10, 10)), rgb(1, 0, 0)->CGColor());
    });
    expectPixels(*image, {{35, 50, kBlue}, {5, 5, kRed}});
  }
}

TEST(DrawingContext, AStrokeFarWiderThanThePageDrawsAsOneAsWideAsItsDiagonal) {
  CGPath zigzag;
  zigzag.moveTo({10, 50});
  for (int step = 1; step <= 40; ++step)
    zigzag.lineTo({10 + 2.0 * step, step % 2 ? 55.0 : 45.0});
  CGStrokeStyle style;
  style.color = rgb(0, 0, 1)->CGColor();
  style.lineCap = CGLineCap::Round;
  for (const CGLineJoin join : {CGLineJoin::Round, CGLineJoin::Miter}) {
    style.lineJoin = join;
    style.lineWidth = std::hypot(100, 100);
    const auto diagonal = drawn([&](CGContext& context) { context.strokePath(zigzag, style); });
    style.lineWidth = 1e12;
    const auto wide = drawn([&](CGContext& context) { context.strokePath(zigzag, style); });
    EXPECT_TRUE(pixelNear(*wide, 0, 0, kBlue));
    EXPECT_EQ(wide->pixels(), diagonal->pixels());
  }
}

TEST(DrawingContext, FarOffStepsAreCutToThePageOrLeftOutAndDrawingGoesOn) {
  const CGImage dot(4, 4, std::vector<std::uint32_t>(16, 0xFFFF0000u));
  CGPath disc;
  disc.addEllipseInRect(CGRectMake(-1e9, -1e9, 2e9, 2e9));
  const auto image = drawn([&](CGContext& context) {
    // A background far larger than the page still covers it.
    context.fillPath(rectPath(CGRectMake(-1e300, -1e300, 2e300, 2e300)), rgb(0, 1, 0)->CGColor());
    context.drawImage(dot, CGRectMake(0, 0, 1e300, 1e300));
    context.fillPath(disc, rgb(1, 0, 0)->CGColor());
    // A bar down the right side reaching far above and below it, and an image over the top left reaching two
    // million points beyond the page, within what can be drawn.
    context.fillPath(rectPath(CGRectMake(90, -1e300, 1e300, 2e300)), rgb(1, 0, 0)->CGColor());
    context.drawImage(dot, CGRectMake(-2.2e6, -2.2e6, 2.2e6 + 70, 2.2e6 + 30));
    context.saveGState();
    context.concatCTM(CGAffineTransformMakeScale(1e200, 1e200));  // beyond what Cairo can invert
    context.fillPath(rectPath(CGRectMake(0, 0, 1, 1)), rgb(1, 0, 0)->CGColor());
    context.restoreGState();
    context.fillPath(rectPath(CGRectMake(0, 0, 50, 50)), rgb(0, 0, 1)->CGColor());
  });
  expectPixels(*image, {{75, 75, kGreen}, {25, 25, kBlue}, {95, 75, kRed}, {60, 15, kRed}});

  // Wrapped text as far off as Cairo's coordinates wrap around to the page is left out, not drawn on it.
  const auto farText = drawn([](CGContext& context) {
    CGTextRun run;
    run.text = "Far away";
    run.rect = CGRectMake((1 << 24) + 10, 10, 80, 80);
    run.maxLines = 0;
    context.drawText(run);
  });
  EXPECT_EQ(inkPixels(*farText, 0, 0, 100, 100), 0);
}

// Steps whose edges run in from a couple of hundred thousand points away, where Cairo's smoothing would
// misplace them, are still drawn where they lie: a stroke, a fill and a clip along the line from far off the
// top left to (100, 50), which crosses x = 75 at y = 25.
TEST(DrawingContext, LongEdgesFromFarOffThePageLieWhereTheirPathsRun) {
  CGPath line;
  line.moveTo({-2e5, -2e5});
  line.lineTo({100, 50});
  CGPath sliver;
  sliver.moveTo({-2e5, -2e5});
  sliver.lineTo({100, 47});
  sliver.lineTo({100, 53});
  sliver.closeSubpath();
  CGStrokeStyle style;
  style.color = rgb(1, 0, 0)->CGColor();
  style.lineWidth = 6;
  const std::function<void(CGContext&)> steps[] = {
      [&](CGContext& context) { context.strokePath(line, style); },
      [&](CGContext& context) { context.fillPath(sliver, rgb(1, 0, 0)->CGColor()); },
      [&](CGContext& context) {
        context.clipToPath(sliver);
        context.fillPath(rectPath(CGRectMake(0, 0, 100, 100)), rgb(1, 0, 0)->CGColor());
      },
  };
  for (const auto& step : steps)
    expectPixels(*drawn(step), {{75, 25, kRed}, {75, 50, kWhite}, {50, 60, kWhite}});
}

TEST(DrawingContext, ClipsKeepOnlyWhatLiesInsideEachPath) {
  // Within the layer's bounds, a band lower down: a background far larger than the page shows in it alone.
  const auto band = drawn([](CGContext& context) {
    context.clipToPath(rectPath(CGRectMake(0, 50, 100, 20)));
    context.fillPath(rectPath(CGRectMake(-1e300, -1e300, 2e300, 2e300)), rgb(1, 0, 0)->CGColor());
  });
  expectPixels(*band, {{50, 60, kRed}, {50, 40, kWhite}, {50, 80, kWhite}});

  // Outlines that are no single upright rectangle, however their points line up: the lower left half, two
  // bars, and squares with their first or their last side bent into an S from corner to corner.
  CGPath half;
  half.moveTo({0, 0});
  half.lineTo({0, 100});
  half.lineTo({100, 100});
  half.lineTo({0, 0});
  half.closeSubpath();
  CGPath bars = rectPath(CGRectMake(0, 0, 40, 100));
  bars.addRect(CGRectMake(60, 0, 40, 100));
  CGPath firstBent;
  firstBent.moveTo({0, 0});
  firstBent.curveTo({100, 0}, {0, 100}, {100, 100});
  firstBent.lineTo({100, 100});
  firstBent.lineTo({0, 100});
  firstBent.closeSubpath();
  CGPath lastBent;
  lastBent.moveTo({0, 0});
  lastBent.lineTo({100, 0});
  lastBent.lineTo({100, 100});
  lastBent.curveTo({0, 100}, {100, 0}, {0, 0});
  lastBent.closeSubpath();
  struct Case {
    const char* shape;
    const CGPath& clip;
    std::vector<Probe> probes;
  };
  for (const Case& c : {Case{"half", half, {{20, 80, kRed}, {80, 20, kWhite}}},
                        Case{"bars", bars, {{20, 50, kRed}, {80, 50, kRed}, {50, 50, kWhite}}},
                        Case{"first side bent", firstBent, {{10, 90, kRed}, {90, 10, kWhite}}},
                        Case{"last side bent", lastBent, {{90, 10, kRed}, {10, 90, kWhite}}}}) {
    SCOPED_TRACE(c.shape);
    const auto image = drawn([&](CGContext& context) {
      context.clipToPath(c.clip);
      context.fillPath(rectPath(CGRectMake(0, 0, 100, 100)), rgb(1, 0, 0)->CGColor());
    });
    expectPixels(*image, c.probes);
  }
}

TEST(DrawingContext, ACurveBendsTowardsEachOfItsPointsInTurn) {
  // From the lower left up towards (10, 10), across towards (90, 40) and down to (70, 80): the curve crosses
  // y 51 between x 64 and 70.
  CGPath bow;
  bow.moveTo({10, 90});
  bow.curveTo({10, 10}, {90, 40}, {70, 80});
  bow.closeSubpath();
  const auto image = drawn([&](CGContext& context) { context.fillPath(bow, rgb(0, 0, 1)->CGColor()); });
  expectPixels(*image, {{64, 51, kBlue}, {70, 51, kWhite}});
}

TEST(DrawingContext, AFillOrStrokeWithoutAColourDrawsNothing) {
  CGPath line;
  line.moveTo({0, 75});
  line.lineTo({100, 75});
  CGStrokeStyle colourless;
  colourless.lineWidth = 10;
  const auto image = drawn([&](CGContext& context) {
    context.fillPath(rectPath(CGRectMake(0, 0, 50, 50)), rgb(1, 0, 0)->CGColor());
    context.fillPath(rectPath(CGRectMake(0, 0, 100, 50)), nullptr);
    context.strokePath(line, colourless);
  });
  expectPixels(*image, {{25, 25, kRed}, {75, 25, kWhite}, {50, 75, kWhite}});
}

TEST(DrawingContext, UnbalancedCallsAreAbsorbed) {
  // Each of these would put a Cairo context into a lasting error state; drawing after them still shows.
  const auto image = drawn([](CGContext& context) {
    context.restoreGState();
    context.endGroup(1);
    context.endGroupWithMask();
    context.beginGroup();
    context.saveGState();
    context.fillPath(rectPath(CGRectMake(0, 0, 50, 50)), rgb(1, 0, 0)->CGColor());
    context.endGroupWithMask();  // one group open: painted as it is, the open save closed with it
    context.restoreGState();
    context.saveGState();
    context.beginGroup();
    context.fillPath(rectPath(CGRectMake(50, 50, 50, 50)), rgb(0, 0, 1)->CGColor());
    // the group and the save are left open: the context paints and closes them when it ends
  });
  expectPixels(*image, {{25, 25, kRed}, {75, 75, kBlue}});
}

TEST(DrawingContext, CollapsingTransformOrNonFiniteInputHidesDrawingUntilRestored) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const auto image = drawn([&](CGContext& context) {
    context.saveGState();
    context.concatCTM(CGAffineTransformMakeScale(1, 0));
    context.fillPath(rectPath(CGRectMake(0, 0, 100, 100)), rgb(0, 0, 1)->CGColor());
    context.restoreGState();
    context.fillPath(rectPath(CGRectMake(0, 0, 50, 50)), rgb(1, 0, 0)->CGColor());
    CGPath path;
    path.moveTo({0, 0});
    path.lineTo({nan, 100});
    path.lineTo({100, 100});
    context.fillPath(path, rgb(0, 0, 1)->CGColor());
    context.concatCTM(CGAffineTransformMakeTranslation(nan, 0));
    context.fillPath(rectPath(CGRectMake(0, 0, 100, 100)), rgb(0, 0, 1)->CGColor());
  });
  expectPixels(*image, {{25, 25, kRed}, {75, 75, kWhite}, {50, 90, kWhite}});
}

}  // namespace
}  // namespace tarnavel
