#include <gtest/gtest.h>

#include <limits>

#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/views/UIImageView.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIScrollView.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {
namespace {

TEST(ViewTree, ViewsAndLayersShareOneChildOrder) {
  auto parent = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  auto first = std::make_shared<UIView>();
  auto plain = CALayer::layer();
  auto second = std::make_shared<UIView>();
  parent->addSubview(first);
  parent->layer()->addSublayer(plain);
  parent->addSubview(second);

  const auto& children = parent->layer()->sublayers();
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(children[0], first->layer());
  EXPECT_EQ(children[1], plain);
  EXPECT_EQ(children[2], second->layer());
  EXPECT_EQ(parent->subviews().size(), 2u);

  // Adding a view that is already a child moves it to the top of every child.
  parent->addSubview(first);
  EXPECT_EQ(parent->layer()->sublayers().back(), first->layer());
  EXPECT_EQ(parent->subviews().back(), first);
  EXPECT_EQ(parent->subviews().size(), 2u);
}

TEST(ViewTree, AddSubviewMovesAViewFromItsOldParent) {
  auto a = std::make_shared<UIView>();
  auto b = std::make_shared<UIView>();
  auto child = std::make_shared<UIView>();
  a->addSubview(child);
  b->addSubview(child);
  EXPECT_TRUE(a->subviews().empty());
  EXPECT_TRUE(a->layer()->sublayers().empty());
  EXPECT_EQ(child->superview(), b.get());
  EXPECT_EQ(child->layer()->superlayer(), b->layer().get());
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
  EXPECT_EQ(parent->subviews(), (std::vector<std::shared_ptr<UIView>>{b}));
  EXPECT_EQ(parent->layer()->sublayers(), (std::vector<std::shared_ptr<CALayer>>{plain, b->layer(), lone}));
  EXPECT_EQ(a->superview(), nullptr);
  EXPECT_EQ(c->layer()->superlayer(), nullptr);
  parent->layer()->removeSublayers({plain.get(), b->layer().get()});
  EXPECT_TRUE(parent->subviews().empty());
  EXPECT_EQ(b->superview(), nullptr);
  EXPECT_EQ(plain->superlayer(), nullptr);
  EXPECT_EQ(parent->layer()->sublayers(), (std::vector<std::shared_ptr<CALayer>>{lone}));
}

TEST(ViewTree, NoCyclesAndNoDanglingParents) {
  auto root = std::make_shared<UIView>();
  auto child = std::make_shared<UIView>();
  root->addSubview(child);
  child->addSubview(root);  // an ancestor cannot become a descendant
  EXPECT_EQ(root->superview(), nullptr);
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

TEST(LayerTree, NonFiniteTransformsAndCyclesAreRefusedLeavingTheLayerAsItWas) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  auto layer = std::make_shared<CALayer>();
  layer->setFrame(CGRectMake(0, 0, 10, 10));
  layer->setAffineTransform(CGAffineTransformMakeScale(2, 2));
  CATransform3D perspective = CATransform3DIdentity;
  perspective.m34 = nan;
  for (const CATransform3D& bad :
       {CATransform3DMakeAffineTransform(CGAffineTransformMakeScale(nan, 1)),
        CATransform3DMakeAffineTransform(CGAffineTransformMakeTranslation(inf, 0)), perspective}) {
    try {
      layer->setTransform(bad);
      ADD_FAILURE() << "no exception";
    } catch (const NSException& e) {
      EXPECT_EQ(e.name(), CALayerInvalidGeometry);
    }
  }
  EXPECT_EQ(layer->affineTransform(), CGAffineTransformMakeScale(2, 2));
  EXPECT_EQ(layer->frame(), CGRectMake(-5, -5, 20, 20));

  // A layer made a sublayer of its own descendant would form a cycle, drawn to the depth limit and leaked.
  auto root = std::make_shared<CALayer>();
  auto middle = std::make_shared<CALayer>();
  auto leaf = std::make_shared<CALayer>();
  root->addSublayer(middle);
  middle->addSublayer(leaf);
  for (const auto& descendant : {middle, leaf}) {
    try {
      descendant->insertSublayer(root, 0);
      ADD_FAILURE() << "no exception";
    } catch (const NSException& e) {
      EXPECT_EQ(e.name(), NSInvalidArgumentException);
    }
  }
  EXPECT_THROW(leaf->addSublayer(middle), NSException);
  EXPECT_EQ(root->superlayer(), nullptr);
  EXPECT_EQ(middle->superlayer(), root.get());
  EXPECT_EQ(leaf->superlayer(), middle.get());
  EXPECT_TRUE(leaf->sublayers().empty());
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
}

TEST(ViewTree, CoderSettingsApplyBeforeTheClassDefaults) {
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 30, 40);
  coder.backgroundColor = UIColor::whiteColor();
  coder.tag = 7;
  UILabel label(coder);
  EXPECT_EQ(label.frame(), CGRectMake(1, 2, 30, 40));
  EXPECT_EQ(label.backgroundColor(), UIColor::whiteColor());
  EXPECT_EQ(label.tag, 7);
  EXPECT_FALSE(label.userInteractionEnabled);
}

TEST(ViewTree, ScrollOffsetMovesTheBoundsAndTellsTheDelegate) {
  struct Listener : UIScrollViewDelegate {
    int scrolled = 0;
    void scrollViewDidScroll(UIScrollView&) override { ++scrolled; }
  };
  auto listener = std::make_shared<Listener>();
  auto scroll = std::make_shared<UIScrollView>(CGRectMake(0, 10, 100, 50));
  scroll->setDelegate(listener);
  scroll->setContentOffset(CGPointMake(0, 30));
  EXPECT_EQ(scroll->bounds(), CGRectMake(0, 30, 100, 50));
  EXPECT_EQ(scroll->frame(), CGRectMake(0, 10, 100, 50));
  EXPECT_EQ(listener->scrolled, 1);
  listener.reset();
  scroll->setContentOffset(CGPointMake(0, 0));  // a released delegate is not called
  EXPECT_EQ(scroll->delegate(), nullptr);
}

}  // namespace
}  // namespace tarnavel
