// Pixels of rendered view and layer trees: what is drawn where, in which order, clipped and blended how.
#include <gtest/gtest.h>

#include <numbers>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/views/UIImageView.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;

std::shared_ptr<UIView> whitePage(CGFloat width = 100, CGFloat height = 100) {
  return makeView(CGRectMake(0, 0, width, height), UIColor::whiteColor());
}

TEST(RenderTree, BackgroundFillsTheViewAndBorderLiesInsideItsRoundedEdge) {
  auto page = whitePage();
  auto box = makeView(CGRectMake(20, 20, 60, 40), rgb(1, 0, 0));
  box->layer()->borderColor = rgb(0, 0, 1)->CGColor();
  box->layer()->borderWidth = 4;
  box->layer()->cornerRadius = 10;
  page->addSubview(box);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 50, 40, kRed));    // centre
  EXPECT_TRUE(pixelNear(*image, 21, 40, kBlue));   // border, left edge
  EXPECT_TRUE(pixelNear(*image, 78, 40, kBlue));   // border, right edge
  EXPECT_TRUE(pixelNear(*image, 25, 40, kRed));    // just inside the border
  EXPECT_TRUE(pixelNear(*image, 18, 40, kWhite));  // the border does not spill outside
  EXPECT_TRUE(pixelNear(*image, 50, 61, kWhite));
  EXPECT_TRUE(pixelNear(*image, 21, 21, kWhite));  // outside the rounded corner
}

TEST(RenderTree, LaterChildrenCoverEarlierOnesWhetherViewsOrLayers) {
  auto page = whitePage();
  page->addSubview(makeView(CGRectMake(0, 0, 60, 100), rgb(1, 0, 0)));
  auto layer = CALayer::layer();
  layer->setFrame(CGRectMake(40, 0, 60, 100));
  layer->backgroundColor = rgb(0, 1, 0)->CGColor();
  page->layer()->addSublayer(layer);
  page->addSubview(makeView(CGRectMake(80, 0, 20, 100), rgb(0, 0, 1)));
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 20, 50, kRed));
  EXPECT_TRUE(pixelNear(*image, 50, 50, kGreen));  // the layer over the first view
  EXPECT_TRUE(pixelNear(*image, 90, 50, kBlue));   // the last view over the layer
}

TEST(RenderTree, ChildrenAreClippedOnlyWhenTheParentAsks) {
  for (const bool clips : {false, true}) {
    SCOPED_TRACE(clips ? "clipsToBounds" : "no clipping");
    auto page = whitePage();
    auto parent = makeView(CGRectMake(10, 10, 40, 40), rgb(1, 0, 0));
    parent->setClipsToBounds(clips);
    parent->addSubview(makeView(CGRectMake(30, 30, 40, 40), rgb(0, 0, 1)));
    page->addSubview(parent);
    const auto image = pixelsOf(*page);
    EXPECT_TRUE(pixelNear(*image, 45, 45, kBlue));
    EXPECT_TRUE(pixelNear(*image, 70, 70, clips ? kWhite : kBlue));
  }
}

TEST(RenderTree, RoundedMasksToBoundsClipsTheCorners) {
  auto page = whitePage();
  auto parent = makeView(CGRectMake(0, 0, 100, 100));
  parent->layer()->cornerRadius = 40;
  parent->layer()->masksToBounds = true;
  parent->addSubview(makeView(CGRectMake(0, 0, 100, 100), rgb(0, 0, 1)));
  page->addSubview(parent);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 2, 2, kWhite));
  EXPECT_TRUE(pixelNear(*image, 50, 50, kBlue));
}

TEST(RenderTree, OpacityBlendsTheSubtreeAsOneGroup) {
  // Two overlapping opaque children of a half-transparent parent: the overlap is no darker than the rest,
  // as the parent is composited once.
  auto page = whitePage();
  auto parent = makeView(CGRectMake(0, 0, 100, 100));
  parent->setAlpha(0.5);
  parent->addSubview(makeView(CGRectMake(0, 0, 60, 100), rgb(0, 0, 0)));
  parent->addSubview(makeView(CGRectMake(40, 0, 60, 100), rgb(0, 0, 0)));
  page->addSubview(parent);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 20, 50, opaque(128, 128, 128)));
  EXPECT_TRUE(pixelNear(*image, 50, 50, opaque(128, 128, 128)));
}

TEST(RenderTree, HiddenAndTransparentLayersDrawNothing) {
  auto page = whitePage();
  auto hidden = makeView(CGRectMake(0, 0, 50, 100), rgb(1, 0, 0));
  hidden->setHidden(true);
  auto transparent = makeView(CGRectMake(50, 0, 50, 100), rgb(1, 0, 0));
  transparent->setAlpha(0);
  page->addSubview(hidden);
  page->addSubview(transparent);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 25, 50, kWhite));
  EXPECT_TRUE(pixelNear(*image, 75, 50, kWhite));
}

TEST(RenderTree, TransformsMoveSubviewsAroundTheirCentre) {
  auto page = whitePage();
  // A tall bar turned a quarter round its centre lies across the page.
  auto rotated = makeView(CGRectMake(45, 10, 10, 80), rgb(1, 0, 0));
  rotated->setTransform(CGAffineTransformMakeRotation(std::numbers::pi / 2));
  page->addSubview(rotated);
  // A small square scaled up three times around its centre.
  auto scaled = makeView(CGRectMake(75, 75, 10, 10), rgb(0, 0, 1));
  scaled->setTransform(CGAffineTransformMakeScale(3, 3));
  page->addSubview(scaled);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 15, 50, kRed));
  EXPECT_TRUE(pixelNear(*image, 50, 20, kWhite));
  EXPECT_TRUE(pixelNear(*image, 66, 66, kBlue));
  EXPECT_TRUE(pixelNear(*image, 93, 93, kBlue));
  EXPECT_TRUE(pixelNear(*image, 97, 97, kWhite));
}

TEST(RenderTree, PageIsTheViewsBoundsWhateverItsFrame) {
  auto page = makeView(CGRectMake(300, 200, 100, 100), UIColor::whiteColor());
  page->setBounds(CGRectMake(50, 0, 100, 100));
  page->addSubview(makeView(CGRectMake(50, 0, 10, 10), rgb(1, 0, 0)));
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 5, 5, kRed));
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
  struct Case {
    NSTextAlignment alignment;
    bool inkOnLeft;
    bool inkOnRight;
  };
  for (const Case& c :
       {Case{NSTextAlignment::Left, true, false}, Case{NSTextAlignment::Natural, true, false},
        Case{NSTextAlignment::Right, false, true}, Case{NSTextAlignment::Center, false, false}}) {
    SCOPED_TRACE(static_cast<int>(c.alignment));
    auto page = whitePage(200, 30);
    auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 200, 30));
    label->setText("Ok");
    label->textAlignment = c.alignment;
    page->addSubview(label);
    const auto image = pixelsOf(*page);
    EXPECT_EQ(inkPixels(*image, 0, 0, 40, 30) > 0, c.inkOnLeft);
    EXPECT_EQ(inkPixels(*image, 160, 0, 200, 30) > 0, c.inkOnRight);
    EXPECT_GT(inkPixels(*image, 0, 0, 200, 30), 0);
  }
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

TEST(RenderTree, ImageViewScalesItsImageToItsBounds) {
  // Four pixels, premultiplied ARGB: red, green / blue, half-transparent white.
  auto image = std::make_shared<UIImage>(std::make_shared<CGImage>(
      2, 2, std::vector<std::uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80808080u}));
  auto page = makeView(CGRectMake(0, 0, 100, 100), UIColor::blackColor());
  auto imageView = std::make_shared<UIImageView>(image);
  imageView->setFrame(CGRectMake(10, 10, 80, 80));
  page->addSubview(imageView);
  const auto pixels = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*pixels, 20, 20, kRed));
  EXPECT_TRUE(pixelNear(*pixels, 80, 20, kGreen));
  EXPECT_TRUE(pixelNear(*pixels, 20, 80, kBlue));
  EXPECT_TRUE(pixelNear(*pixels, 80, 80, opaque(128, 128, 128)));
  EXPECT_TRUE(pixelNear(*pixels, 5, 5, opaque(0, 0, 0)));
}

TEST(RenderTree, LayerContentsAreScaledToTheBounds) {
  auto page = whitePage();
  auto layer = CALayer::layer();
  layer->setFrame(CGRectMake(0, 0, 50, 50));
  layer->contents = std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0xFF0000FFu});
  page->layer()->addSublayer(layer);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 48, 48, kBlue));
  EXPECT_TRUE(pixelNear(*image, 52, 52, kWhite));
}

TEST(RenderTree, MaskShowsTheLayerOnlyWhereTheMaskIsOpaque) {
  auto page = whitePage();
  auto box = makeView(CGRectMake(20, 0, 80, 100), rgb(1, 0, 0));
  box->addSubview(makeView(CGRectMake(0, 50, 80, 50), rgb(0, 0, 1)));
  auto mask = CALayer::layer();
  mask->setFrame(CGRectMake(0, 0, 40, 100));  // in the box's coordinates: x 20 to 60 on the page
  mask->backgroundColor = UIColor::blackColor()->CGColor();
  box->layer()->mask = mask;
  page->addSubview(box);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 50, 25, kRed));
  EXPECT_TRUE(pixelNear(*image, 50, 75, kBlue));  // the sublayers are masked with the layer
  EXPECT_TRUE(pixelNear(*image, 10, 25, kWhite));
  EXPECT_TRUE(pixelNear(*image, 70, 25, kWhite));
  EXPECT_TRUE(pixelNear(*image, 70, 75, kWhite));
}

TEST(RenderTree, MasksThatMaskEachOtherStillRender) {
  auto page = whitePage();
  auto first = CALayer::layer();
  auto second = CALayer::layer();
  for (const auto& layer : {first, second}) {
    layer->setFrame(CGRectMake(0, 0, 100, 100));
    layer->backgroundColor = rgb(1, 0, 0)->CGColor();
  }
  first->mask = second;
  second->mask = first;
  page->layer()->addSublayer(first);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 50, 50, kRed));
  first->mask = nullptr;  // the two hold each other
}

TEST(RenderTree, ShadowIsTheOffsetSilhouetteInOpaqueBlackUntilColoured) {
  // Only the opacity and offset are set: the colour a new layer starts with casts the shadow.
  auto page = whitePage();
  auto box = makeView(CGRectMake(20, 20, 40, 40), rgb(1, 0, 0));
  box->layer()->setShadowOpacity(0.5);
  box->layer()->setShadowOffset(CGSizeMake(10, 10));
  page->addSubview(box);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 40, 40, kRed));
  EXPECT_TRUE(pixelNear(*image, 65, 65, opaque(128, 128, 128)));
  EXPECT_TRUE(pixelNear(*image, 15, 15, kWhite));
}

TEST(RenderTree, DrawingClearsNeedsDisplay) {
  auto page = whitePage();
  auto layer = CALayer::layer();
  page->layer()->addSublayer(layer);
  page->layer()->setNeedsDisplay();
  layer->setNeedsDisplay();
  pixelsOf(*page);
  EXPECT_FALSE(page->layer()->needsDisplay());
  EXPECT_FALSE(layer->needsDisplay());
}

TEST(RenderTree, OwnDrawingIsClippedToTheLayersBounds) {
  auto page = whitePage();
  page->layer()->addSublayer(makeDrawingLayer(CGRectMake(20, 20, 20, 20), [](CGContext& context) {
    context.fillPath(rectPath(CGRectMake(-100, -100, 400, 400)), rgb(1, 0, 0)->CGColor());
  }));
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 30, 30, kRed));
  EXPECT_TRUE(pixelNear(*image, 50, 50, kWhite));
}

TEST(RenderTree, ShapeLayersDrawTheirPathBeyondTheirBounds) {
  // A segment layer without a frame: its path is in its superlayer's coordinates.
  auto page = whitePage();
  auto segment = CAShapeLayer::layer();
  auto path = CGPathCreateMutable();
  CGPathMoveToPoint(path, nullptr, 10, 50);
  CGPathAddLineToPoint(path, nullptr, 90, 50);
  segment->path = path;
  segment->strokeColor = rgb(0, 0, 1)->CGColor();
  segment->lineWidth = 6;
  page->layer()->addSublayer(segment);
  const auto image = pixelsOf(*page);
  EXPECT_TRUE(pixelNear(*image, 50, 50, kBlue));
  EXPECT_TRUE(pixelNear(*image, 50, 40, kWhite));
}

}  // namespace
}  // namespace tarnavel
