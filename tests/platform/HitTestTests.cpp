#include <gtest/gtest.h>

#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/input/UserInput.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {
namespace {

struct TapCounter {
  int taps = 0;
  std::string lastHint;
  void tapped(UIGestureRecognizer& recognizer) {
    ++taps;
    lastHint = recognizer.accessibilityHint.value_or("");
  }
};

std::shared_ptr<UITapGestureRecognizer> tapRecognizer(const std::shared_ptr<TapCounter>& counter,
                                                      const char* hint) {
  auto tap = std::make_shared<UITapGestureRecognizer>(counter, "tapped:", &TapCounter::tapped);
  tap->accessibilityHint = hint;
  return tap;
}

TEST(HitTest, TapReachesTheTopmostInteractiveViewUnderThePoint) {
  auto counter = std::make_shared<TapCounter>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 200, 100));
  auto below = std::make_shared<UILabel>(CGRectMake(0, 0, 100, 100));
  auto above = std::make_shared<UILabel>(CGRectMake(50, 0, 100, 100));
  for (auto& [label, hint] : {std::pair{below, "below"}, std::pair{above, "above"}}) {
    label->userInteractionEnabled = true;
    label->addGestureRecognizer(tapRecognizer(counter, hint));
    root->addSubview(label);
  }
  EXPECT_EQ(tapAt(*root, {75, 50}), 1);
  EXPECT_EQ(counter->lastHint, "above");
  EXPECT_EQ(tapAt(*root, {25, 50}), 1);
  EXPECT_EQ(counter->lastHint, "below");

  above->setHidden(true);
  tapAt(*root, {75, 50});
  EXPECT_EQ(counter->lastHint, "below") << "a hidden view takes no tap";
  above->setHidden(false);
  above->userInteractionEnabled = false;
  tapAt(*root, {75, 50});
  EXPECT_EQ(counter->lastHint, "below") << "a view without user interaction takes no tap";
  EXPECT_EQ(tapAt(*root, {190, 50}), 0);
}

TEST(HitTest, LabelsTakeNoTapUntilInteractionIsOn) {
  auto counter = std::make_shared<TapCounter>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 100, 100));
  label->addGestureRecognizer(tapRecognizer(counter, "label"));
  root->addGestureRecognizer(tapRecognizer(counter, "root"));
  root->addSubview(label);
  tapAt(*root, {10, 10});
  EXPECT_EQ(counter->lastHint, "root");
  label->userInteractionEnabled = true;
  tapAt(*root, {10, 10});
  EXPECT_EQ(counter->lastHint, "label");
}

TEST(HitTest, TapWithoutRecognizerOnTheHitViewGoesToTheNearestAncestorWithOne) {
  auto counter = std::make_shared<TapCounter>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  auto middle = std::make_shared<UIView>(CGRectMake(10, 10, 80, 80));
  auto leaf = std::make_shared<UIView>(CGRectMake(10, 10, 20, 20));
  root->addGestureRecognizer(tapRecognizer(counter, "root"));
  middle->addGestureRecognizer(tapRecognizer(counter, "middle"));
  middle->addSubview(leaf);
  root->addSubview(middle);
  EXPECT_EQ(tapAt(*root, {25, 25}), 1);
  EXPECT_EQ(counter->lastHint, "middle");
}

TEST(HitTest, EveryRecognizerOfTheViewFiresAndReleasedTargetsAreSkipped) {
  auto counter = std::make_shared<TapCounter>();
  auto gone = std::make_shared<TapCounter>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  root->addGestureRecognizer(tapRecognizer(counter, "one"));
  root->addGestureRecognizer(tapRecognizer(counter, "two"));
  root->addGestureRecognizer(tapRecognizer(gone, "gone"));
  gone.reset();
  EXPECT_EQ(tapAt(*root, {5, 5}), 3);
  EXPECT_EQ(counter->taps, 2);
}

TEST(HitTest, PointsFollowScrollOffsetAndTransforms) {
  auto counter = std::make_shared<TapCounter>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  auto scroll = std::make_shared<UIScrollView>(CGRectMake(0, 20, 100, 80));
  auto cell = std::make_shared<UIView>(CGRectMake(0, 100, 100, 20));
  cell->addGestureRecognizer(tapRecognizer(counter, "cell"));
  scroll->addSubview(cell);
  root->addSubview(scroll);
  EXPECT_EQ(tapAt(*root, {50, 30}), 0);
  scroll->setContentOffset({0, 90});  // the cell now shows at root y 30..50
  EXPECT_EQ(tapAt(*root, {50, 35}), 1);

  auto scaled = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  scaled->setTransform(CGAffineTransformMakeScale(0.5, 0.5));  // frame (25, 25, 50, 50)
  scaled->addGestureRecognizer(tapRecognizer(counter, "scaled"));
  auto host = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  host->addSubview(scaled);
  EXPECT_EQ(tapAt(*host, {20, 20}), 0);
  EXPECT_EQ(tapAt(*host, {30, 30}), 1);
  EXPECT_EQ(counter->lastHint, "scaled");
}

TEST(HitTest, ConvertPointBetweenViews) {
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 300, 300));
  auto a = std::make_shared<UIView>(CGRectMake(10, 20, 100, 100));
  auto b = std::make_shared<UIView>(CGRectMake(5, 5, 10, 10));
  a->addSubview(b);
  root->addSubview(a);
  EXPECT_EQ(b->convertPointToView({1, 1}, root.get()), CGPointMake(16, 26));
  EXPECT_EQ(root->convertPointToView({16, 26}, b.get()), CGPointMake(1, 1));
}

}  // namespace
}  // namespace tarnavel

namespace tarnavel {
namespace {

TEST(HitTest, ViewsWhoseTransformCannotBeInvertedTakeNoTap) {
  const struct {
    const char* name;
    CGAffineTransform transform;
  } cases[] = {
      {"scaled to nothing", CGAffineTransformMakeScale(0, 0)},
      {"flattened to a line", CGAffineTransformMakeScale(1, 0)},
      {"scale too small to invert", CGAffineTransformMakeScale(1e-200, 1e-200)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto counter = std::make_shared<TapCounter>();
    auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    auto hidden = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    root->addGestureRecognizer(tapRecognizer(counter, "root"));
    hidden->addGestureRecognizer(tapRecognizer(counter, "hidden"));
    root->addSubview(hidden);
    hidden->setTransform(c.transform);
    EXPECT_EQ(tapAt(*root, {50, 50}), 1);
    EXPECT_EQ(counter->lastHint, "root");
  }
}

TEST(HitTest, DeepTreeIsTappedAndReleasedWithoutExhaustingTheStack) {
  // Sixty thousand nested views: the tap reaches as deep as the renderer draws, 256 levels below the root.
  auto counter = std::make_shared<TapCounter>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  UIView* deepest = root.get();
  for (int level = 1; level <= 60'000; ++level) {
    auto child = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    if (level == 256 || level == 257)
      child->addGestureRecognizer(tapRecognizer(counter, level == 256 ? "256" : "257"));
    deepest->addSubview(child);
    deepest = child.get();
  }
  EXPECT_EQ(tapAt(*root, {50, 50}), 1);
  EXPECT_EQ(counter->lastHint, "256");
  root.reset();
}

}  // namespace
}  // namespace tarnavel
