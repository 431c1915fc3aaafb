// The view and layer tree: one child order, removal, cycles refused, recognizers, the defaults of the view
// kinds, geometry kept finite and exact, archived copies and the blocks of rarely set properties.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/foundation/NSCoder.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/layers/CALayerArchive.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/views/UIImageView.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;
using Views = std::vector<std::shared_ptr<UIView>>;
using Layers = std::vector<std::shared_ptr<CALayer>>;

TEST(ViewTree, ViewsAndLayersShareOneChildOrder) {
  auto parent = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  auto first = std::make_shared<UIView>();
  auto plain = CALayer::layer();
  auto second = std::make_shared<UIView>();
  parent->addSubview(first);
  parent->layer()->addSublayer(plain);
  parent->addSubview(second);
  EXPECT_EQ(parent->layer()->sublayers(), (Layers{first->layer(), plain, second->layer()}));
  EXPECT_EQ(parent->subviews(), (Views{first, second}));

  // Adding a view that is already a child moves it to the top of every child.
  parent->addSubview(first);
  EXPECT_EQ(parent->layer()->sublayers(), (Layers{plain, second->layer(), first->layer()}));
  EXPECT_EQ(parent->subviews(), (Views{second, first}));

  // Adding it to another parent takes it, with its layer, from the first.
  auto other = std::make_shared<UIView>();
  other->addSubview(first);
  EXPECT_EQ(parent->subviews(), (Views{second}));
  EXPECT_EQ(parent->layer()->sublayers(), (Layers{plain, second->layer()}));
  EXPECT_EQ(first->superview(), other.get());
  EXPECT_EQ(first->layer()->superlayer(), other->layer().get());
}

TEST(ViewTree, RemovingAViewTakesItsLayerOut) {
  auto parent = std::make_shared<UIView>();
  auto child = std::make_shared<UIView>();
  parent->addSubview(child);
  child->layer()->removeFromSuperlayer();  // through the layer: the view leaves too
  EXPECT_TRUE(parent->subviews().empty());
  EXPECT_EQ(child->superview(), nullptr);

  parent->addSubview(child);
  parent->addSubview(std::make_shared<UIView>());
  parent->layer()->addSublayer(CALayer::layer());
  parent->removeAllSubviews();
  EXPECT_TRUE(parent->subviews().empty());
  EXPECT_EQ(parent->layer()->sublayers().size(), 1u) << "plain layers stay";

  // Many children at once: the others keep their order, and a view's layer leaves with its view.
  const auto plain = parent->layer()->sublayers()[0];
  auto a = std::make_shared<UIView>(), b = std::make_shared<UIView>(), c = std::make_shared<UIView>();
  const auto lone = CALayer::layer();
  for (const auto& view : {a, b, c})
    parent->addSubview(view);
  parent->layer()->addSublayer(lone);
  parent->removeSubviews({a.get(), c.get(), child.get()});
  EXPECT_EQ(parent->subviews(), (Views{b}));
  EXPECT_EQ(parent->layer()->sublayers(), (Layers{plain, b->layer(), lone}));
  EXPECT_EQ(a->superview(), nullptr);
  EXPECT_EQ(c->layer()->superlayer(), nullptr);
  parent->layer()->removeSublayers({plain.get(), b->layer().get()});
  EXPECT_TRUE(parent->subviews().empty());
  EXPECT_EQ(b->superview(), nullptr);
  EXPECT_EQ(plain->superlayer(), nullptr);
  EXPECT_EQ(parent->layer()->sublayers(), (Layers{lone}));
}

TEST(ViewTree, NoCyclesAndNoDanglingParents) {
  auto root = std::make_shared<UIView>();
  auto child = std::make_shared<UIView>();
  root->addSubview(child);
  child->addSubview(root);  // an ancestor cannot become a descendant
  root->addSubview(root);
  EXPECT_EQ(root->superview(), nullptr);

  auto orphan = std::make_shared<UIView>();
  {
    auto temporaryParent = std::make_shared<UIView>();
    temporaryParent->addSubview(orphan);
  }
  EXPECT_EQ(orphan->superview(), nullptr);
  EXPECT_EQ(orphan->layer()->superlayer(), nullptr);
}

TEST(ViewTree, RecognizersMoveBetweenViews) {
  auto a = std::make_shared<UIView>();
  auto b = std::make_shared<UIView>();
  auto tap = std::make_shared<UITapGestureRecognizer>();
  a->addGestureRecognizer(tap);
  a->addGestureRecognizer(tap);
  EXPECT_EQ(a->gestureRecognizers().size(), 1u);
  b->addGestureRecognizer(tap);
  EXPECT_TRUE(a->gestureRecognizers().empty());
  EXPECT_EQ(tap->view(), b.get());
}

TEST(ViewTree, DefaultsOfTheViewKinds) {
  UIView view;
  UILabel label;
  UIImageView image;
  UIScrollView scroll;
  EXPECT_TRUE(view.userInteractionEnabled);
  EXPECT_FALSE(label.userInteractionEnabled);
  EXPECT_FALSE(image.userInteractionEnabled);
  EXPECT_TRUE(scroll.clipsToBounds());
  EXPECT_FALSE(label.text().has_value()) << "a new label's text is null, not empty";
  EXPECT_EQ(label.font(), UIFont::systemFontOfSize(17));
  EXPECT_EQ(label.textColor(), UIColor::blackColor());
  label.setFont(UIFont::fontWithName("Verdana", 6));
  label.setFont(nullptr);
  EXPECT_EQ(label.font(), UIFont::systemFontOfSize(17));
  EXPECT_EQ(view.backgroundColor(), nullptr);
  EXPECT_EQ(view.layer()->borderColor, nullptr);

  // What a coder carries is applied first; the kind's defaults then hold only for what it does not carry.
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 30, 40);
  coder.backgroundColor = UIColor::whiteColor();
  coder.tag = 7;
  const UILabel decoded(coder);
  EXPECT_EQ(decoded.frame(), CGRectMake(1, 2, 30, 40));
  EXPECT_EQ(decoded.backgroundColor(), UIColor::whiteColor());
  EXPECT_EQ(decoded.tag, 7);
  EXPECT_FALSE(decoded.userInteractionEnabled);
}

void expectRaised(const std::function<void()>& step, const std::string& name) {
  try {
    step();
    ADD_FAILURE() << "no exception";
  } catch (const NSException& e) {
    EXPECT_EQ(e.name(), name);
  }
}

TEST(LayerTree, NonFiniteGeometryAndCyclesAreRefusedLeavingTheTreeAsItWas) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  auto view = std::make_shared<UIView>(CGRectMake(0, 0, 10, 10));
  const auto layer = view->layer();
  layer->setAffineTransform(CGAffineTransformMakeScale(2, 2));
  CATransform3D perspective = CATransform3DIdentity;
  perspective.m34 = nan;
  const std::function<void()> refused[] = {
      [&] { layer->setTransform(CATransform3DMakeAffineTransform(CGAffineTransformMakeScale(nan, 1))); },
      [&] {
        layer->setTransform(CATransform3DMakeAffineTransform(CGAffineTransformMakeTranslation(inf, 0)));
      },
      [&] { layer->setTransform(perspective); },
      [&] { view->setFrame(CGRectMake(nan, 0, 10, 10)); },
      [&] { view->setFrame(CGRectMake(0, 0, inf, 10)); },
      [&] { view->setBounds(CGRectMake(0, 0, 10, nan)); },
      [&] { view->setCenter(CGPointMake(nan, 1)); },
      [&] { layer->setPosition(CGPointMake(1, -inf)); },
  };
  for (const auto& step : refused)
    expectRaised(step, CALayerInvalidGeometry);
  EXPECT_EQ(layer->affineTransform(), CGAffineTransformMakeScale(2, 2));
  EXPECT_EQ(view->frame(), CGRectMake(-5, -5, 20, 20));

  // A layer made a sublayer of its own descendant would form a cycle, drawn to the depth limit and leaked.
  auto root = std::make_shared<CALayer>();
  auto middle = std::make_shared<CALayer>();
  auto leaf = std::make_shared<CALayer>();
  root->addSublayer(middle);
  middle->addSublayer(leaf);
  expectRaised([&] { middle->insertSublayer(root, 0); }, NSInvalidArgumentException);
  expectRaised([&] { leaf->insertSublayer(root, 0); }, NSInvalidArgumentException);
  expectRaised([&] { leaf->addSublayer(middle); }, NSInvalidArgumentException);
  root->addSublayer(root);  // itself: nothing changes
  EXPECT_EQ(root->superlayer(), nullptr);
  EXPECT_EQ(middle->superlayer(), root.get());
  EXPECT_EQ(leaf->superlayer(), middle.get());
  EXPECT_TRUE(leaf->sublayers().empty());
  EXPECT_EQ(root->sublayers().size(), 1u);
  root->addSublayer(nullptr);  // no layer at all: nothing changes either
  EXPECT_EQ(root->sublayers().size(), 1u);

  // A deep chain of layers is released without recursion.
  auto top = std::make_shared<CALayer>();
  CALayer* bottom = top.get();
  for (int level = 0; level < 200'000; ++level) {
    auto sublayer = std::make_shared<CALayer>();
    bottom->addSublayer(sublayer);
    bottom = sublayer.get();
  }
  top.reset();
}

TEST(Geometry, FramesReadBackExactlyStandardisedScaledOrTurnedAndOnlyRectanglesWithoutAreaAreEmpty) {
  // A corner difference would lose the last bit: 73.333333333333343 + 26.666666666666668 - 73.33...
  const CGRect frame = CGRectMake(0, 73.333333333333343, 200, 26.666666666666668);
  EXPECT_EQ(UIView(frame).frame(), frame);
  // A negative size reads back standardised.
  UIView flipped(CGRectMake(50, 40, -30, -10));
  EXPECT_EQ(flipped.frame(), CGRectMake(20, 30, 30, 10));
  flipped.setFrame(CGRectMake(0, 100, 12.5, -25));
  EXPECT_EQ(flipped.frame(), CGRectMake(0, 75, 12.5, 25));
  EXPECT_EQ(flipped.bounds().size, CGSizeMake(12.5, 25));

  // Scaled about its centre (a control fitted into a cell): the scaled box there; the bounds stay.
  UIView scaled(CGRectMake(0, 0, 100, 40));
  scaled.setTransform(CGAffineTransformMakeScale(0.5, 0.25));
  scaled.setCenter(CGPointMake(35, 10));
  EXPECT_EQ(scaled.frame(), CGRectMake(10, 5, 50, 10));
  EXPECT_EQ(scaled.bounds(), CGRectMake(0, 0, 100, 40));
  // A layer's 3D scale (a squashed pie) keeps its affine part.
  const CATransform3D squash = CATransform3DMakeScale(1.0, 0.75, 1.0);
  EXPECT_EQ(CATransform3DGetAffineTransform(squash), CGAffineTransformMakeScale(1.0, 0.75));
  auto layer = CALayer::layer();
  layer->setFrame(CGRectMake(0, 0, 100, 100));
  layer->setTransform(squash);
  EXPECT_EQ(layer->frame(), CGRectMake(0, 12.5, 100, 75));

  auto turned = std::make_shared<UIView>(CGRectMake(0, 0, 40, 10));
  turned->setTransform(CGAffineTransformMakeRotation(std::numbers::pi / 2));
  const CGRect sides = turned->frame();
  EXPECT_NEAR(sides.origin.x, 15, 1e-9);
  EXPECT_NEAR(sides.origin.y, -15, 1e-9);
  EXPECT_NEAR(sides.size.width, 10, 1e-9);
  EXPECT_NEAR(sides.size.height, 40, 1e-9);

  EXPECT_TRUE(CGRectIsEmpty(CGRectZero));
  EXPECT_TRUE(CGRectIsEmpty(CGRectMake(5, 5, 0, 10)));
  EXPECT_TRUE(CGRectIsEmpty(CGRectMake(5, 5, 10, 0)));
  EXPECT_FALSE(CGRectIsEmpty(CGRectMake(0, 0, -1, 1)));
  EXPECT_FALSE(CGRectIsEmpty(CGRectMake(0, 0, 222, 22)));
  EXPECT_EQ(CGRectUnion(CGRectMake(10, 20, 5, 5), CGRectMake(30, 0, 10, 10)), CGRectMake(10, 0, 30, 25));
}

TEST(Geometry, ArcsWithANonFiniteRadiusOrAngleAddNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const auto& [radius, start, end] :
       {std::tuple{nan, 0.0, 1.0}, std::tuple{10.0, inf, 1.0}, std::tuple{10.0, 0.0, -inf}}) {
    CGPath path;
    path.addArc(CGPointMake(50, 50), radius, start, end, true);
    EXPECT_TRUE(path.isEmpty()) << radius << " " << start << " " << end;
  }
}

TEST(Geometry, AffineInverseRoundTrips) {
  const CGAffineTransform t =
      CGAffineTransformConcat(CGAffineTransformMakeRotation(0.3), CGAffineTransformMakeTranslation(5, -7));
  const CGPoint p = CGPointApplyAffineTransform(CGPointMake(3, 4), t);
  const CGPoint back = CGPointApplyAffineTransform(p, CGAffineTransformInvert(t));
  EXPECT_NEAR(back.x, 3, 1e-12);
  EXPECT_NEAR(back.y, 4, 1e-12);
  EXPECT_EQ(CGAffineTransformInvert(CGAffineTransformMakeScale(0, 1)), CGAffineTransformIdentity);
}

TEST(LayerArchive, DecodedTreesShareNoLayerKeepEveryLevelAndLeaveOutAnAncestorMask) {
  auto root = CAShapeLayer::layer();
  root->setSpeed(2);
  auto wedge = CAShapeLayer::layer();
  wedge->fillColor = rgb(1, 0, 0)->CGColor();
  auto overlay = CAGradientLayer::layer();
  overlay->mask = wedge;  // also a sublayer: one layer in the copy too
  root->addSublayer(wedge);
  root->addSublayer(overlay);
  wedge->mask = root;  // an ancestor: left out, or the copies would hold each other

  const CALayerArchive archive(*root);
  root->setSpeed(3);
  wedge->fillColor = nullptr;
  const auto first = archive.decode();
  const auto second = archive.decode();
  for (const auto& copy : {first, second}) {
    EXPECT_EQ(copy->speed(), 2.0f) << "the tree as archived";
    ASSERT_EQ(copy->sublayers().size(), 2u);
    const auto* copiedWedge = dynamic_cast<CAShapeLayer*>(copy->sublayers()[0].get());
    const auto* copiedOverlay = dynamic_cast<CAGradientLayer*>(copy->sublayers()[1].get());
    ASSERT_TRUE(copiedWedge && copiedOverlay && copiedWedge != wedge.get());
    EXPECT_EQ(copiedOverlay->mask.get(), copiedWedge);
    EXPECT_EQ(copiedWedge->mask, nullptr);
    EXPECT_TRUE(CGColorEqualToColor(copiedWedge->fillColor, rgb(1, 0, 0)->CGColor()));
    EXPECT_EQ(copiedWedge->superlayer(), copy.get());
  }
  EXPECT_NE(first->sublayers()[0], second->sublayers()[0]);
  EXPECT_EQ(wedge->superlayer(), root.get()) << "the source tree is untouched";
  EXPECT_EQ(root->sublayers().size(), 2u);
  wedge->mask = nullptr;
}

// Views, labels and layers keep the properties that few of them set in blocks made on the first write of a
// value other than the initial one, so that the many plain views of a grid stay small.
struct BlockCase {
  std::string what;
  std::function<void(UILabel&)> writeInitial;
  std::function<void(UILabel&)> writeOther;
  std::function<bool(const UILabel&)> hasBlock;
  std::function<bool(const UILabel&)> readsOther;
};

TEST(RarePropertyBlocks, NoBlockUntilAValueOtherThanTheInitialOneIsWritten) {
  const auto layerBlock = [](const UILabel& l) { return l.layer()->hasRareProperties(); };
  const auto viewBlock = [](const UILabel& l) { return l.hasRareProperties(); };
  const auto red = rgb(1, 0, 0);
  const std::vector<BlockCase> cases = {
      {"layer shadow", [](UILabel& l) { l.layer()->setShadowOpacity(0); },
       [](UILabel& l) { l.layer()->setShadowOpacity(0.5f); }, layerBlock,
       [](const UILabel& l) { return l.layer()->shadowOpacity() == 0.5f; }},
      {"layer transform", [](UILabel& l) { l.layer()->setTransform(CATransform3DIdentity); },
       [](UILabel& l) { l.layer()->setTransform(CATransform3DMakeScale(2, 2, 1)); }, layerBlock,
       [](const UILabel& l) { return l.frame() == CGRectMake(-5, -5, 20, 20); }},
      {"layer anchor point", [](UILabel& l) { l.layer()->setAnchorPoint(CGPointMake(0.5, 0.5)); },
       [](UILabel& l) { l.layer()->setAnchorPoint(CGPointMake(0, 0)); }, layerBlock,
       [](const UILabel& l) { return l.frame() == CGRectMake(5, 5, 10, 10); }},
      {"layer bounds origin", [](UILabel& l) { l.setBounds(CGRectMake(0, 0, 10, 10)); },
       [](UILabel& l) { l.setBounds(CGRectMake(3, 4, 10, 10)); }, layerBlock,
       [](const UILabel& l) {
         return l.bounds() == CGRectMake(3, 4, 10, 10) && l.frame() == CGRectMake(0, 0, 10, 10);
       }},
      {"layer name", [](UILabel& l) { l.layer()->setName(""); },
       [](UILabel& l) { l.layer()->setName("cell"); }, layerBlock,
       [](const UILabel& l) { return l.layer()->name() == "cell"; }},
      {"view tint", [](UILabel& l) { l.setTintColor(nullptr); }, [&](UILabel& l) { l.setTintColor(red); },
       viewBlock, [&](const UILabel& l) { return l.tintColor() == red; }},
      {"view content scale", [](UILabel& l) { l.setContentScaleFactor(1); },
       [](UILabel& l) { l.setContentScaleFactor(2); }, viewBlock,
       [](const UILabel& l) { return l.contentScaleFactor() == 2; }},
      {"view accessibility hint", [](UILabel& l) { l.setAccessibilityHint(std::nullopt); },
       [](UILabel& l) { l.setAccessibilityHint("3"); },
       [](const UILabel& l) { return l.hasAccessibilityTexts(); },
       [](const UILabel& l) { return l.accessibilityHint() == "3" && !l.hasRareProperties(); }},
      {"label shadow offset", [](UILabel& l) { l.setShadowOffset(CGSizeMake(0, -1)); },
       [](UILabel& l) { l.setShadowOffset(CGSizeMake(2, 2)); },
       [](const UILabel& l) { return l.hasRareLabelProperties(); },
       [](const UILabel& l) { return l.shadowOffset() == CGSizeMake(2, 2); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    UILabel label(CGRectMake(0, 0, 10, 10));
    EXPECT_FALSE(c.hasBlock(label));
    c.writeInitial(label);
    EXPECT_FALSE(c.hasBlock(label)) << "the initial value needs no block";
    c.writeOther(label);
    EXPECT_TRUE(c.hasBlock(label));
    EXPECT_TRUE(c.readsOther(label));
    const UILabel untouched(CGRectMake(0, 0, 10, 10));
    EXPECT_FALSE(c.readsOther(untouched)) << "one object's write reaches no other";
  }
  EXPECT_LE(sizeof(CALayer), 640u) << "grids make many layers: a bare one stays small";
}

TEST(RarePropertyBlocks, KeyValuesAndDisplayKeepTheirMeaningWithoutABlock) {
  CALayer layer;
  EXPECT_EQ(layer.presentationLayer(), nullptr) << "never displayed";
  layer.markDisplayed();
  EXPECT_FALSE(layer.hasRareProperties()) << "displaying a layer without key values makes no block";
  ASSERT_NE(layer.presentationLayer(), nullptr);
  const auto unset = [](const CALayerValue& v) { return std::holds_alternative<std::monostate>(v); };
  EXPECT_TRUE(unset(layer.presentationLayer()->valueForKey("style")));
  layer.setValueForKey("style", Value(1));
  EXPECT_TRUE(layer.hasRareProperties());
  EXPECT_EQ(layer.valueForKey("style"), CALayerValue(Value(1)));
  EXPECT_TRUE(unset(layer.presentationLayer()->valueForKey("style"))) << "not displayed since";
  layer.markDisplayed();
  EXPECT_EQ(layer.presentationLayer()->valueForKey("style"), CALayerValue(Value(1)));
}

}  // namespace
}  // namespace tarnavel
