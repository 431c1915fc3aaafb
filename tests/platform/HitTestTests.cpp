// Taps as a user makes them: hit-testing the view tree down to the view whose recognizers fire.
#include <gtest/gtest.h>

#include <string>

#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/input/UserInput.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {
namespace {

/// Hears the taps of the recognizers it puts on views; each recognizer is named by its hint.
struct Taps {
  std::string heard;
  void tapped(UIGestureRecognizer& recognizer) { heard += recognizer.accessibilityHint.value_or(""); }
  static void on(const std::shared_ptr<Taps>& taps, UIView& view, const char* name) {
    auto recognizer = std::make_shared<UITapGestureRecognizer>(taps, "tapped:", &Taps::tapped);
    recognizer->accessibilityHint = name;
    view.addGestureRecognizer(recognizer);
  }
  /// What a tap at `point` under `root` is heard as.
  std::string at(UIView& root, CGPoint point) {
    heard.clear();
    tapAt(root, point);
    return heard;
  }
};

TEST(HitTest, TapReachesTheTopmostInteractiveViewUnderThePointOrItsNearestAncestorWithARecognizer) {
  const auto taps = std::make_shared<Taps>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 300, 100));
  auto below = std::make_shared<UILabel>(CGRectMake(0, 0, 100, 100));
  auto above = std::make_shared<UILabel>(CGRectMake(50, 0, 100, 100));
  for (const auto& [label, name] : {std::pair{below, "below"}, std::pair{above, "above"}}) {
    label->userInteractionEnabled = true;
    Taps::on(taps, *label, name);
    root->addSubview(label);
  }
  auto middle = std::make_shared<UIView>(CGRectMake(200, 0, 100, 100));
  middle->addSubview(std::make_shared<UIView>(CGRectMake(10, 10, 20, 20)));  // a leaf without recognizer
  Taps::on(taps, *middle, "middle");
  root->addSubview(middle);
  auto quiet = std::make_shared<UILabel>(CGRectMake(150, 0, 50, 100));  // a label takes no tap until told
  Taps::on(taps, *quiet, "label");
  root->addSubview(quiet);
  Taps::on(taps, *root, "root");
  // Every recognizer of the view fires; one whose target is gone is counted and skipped.
  auto gone = std::make_shared<Taps>();
  Taps::on(gone, *root, "gone");
  gone.reset();
  Taps::on(taps, *root, "+");
  EXPECT_EQ(tapAt(*root, {160, 50}), 3);
  EXPECT_EQ(taps->heard, "root+");

  EXPECT_EQ(taps->at(*root, {75, 50}), "above");
  EXPECT_EQ(taps->at(*root, {25, 50}), "below");
  EXPECT_EQ(taps->at(*root, {215, 15}), "middle");
  quiet->userInteractionEnabled = true;
  EXPECT_EQ(taps->at(*root, {160, 50}), "label");
  above->setHidden(true);
  EXPECT_EQ(taps->at(*root, {75, 50}), "below") << "a hidden view takes no tap";
  above->setHidden(false);
  above->userInteractionEnabled = false;
  EXPECT_EQ(taps->at(*root, {75, 50}), "below") << "a view without user interaction takes no tap";
  EXPECT_EQ(tapAt(*root, {350, 50}), 0);
}

TEST(HitTest, PointsFollowTheScrollOffset) {
  const auto taps = std::make_shared<Taps>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  auto scroll = std::make_shared<UIScrollView>(CGRectMake(0, 20, 100, 80));
  auto cell = std::make_shared<UIView>(CGRectMake(0, 100, 100, 20));
  Taps::on(taps, *cell, "cell");
  scroll->addSubview(cell);
  root->addSubview(scroll);
  EXPECT_EQ(taps->at(*root, {50, 30}), "");
  scroll->setContentOffset({0, 90});  // the cell now shows at root y 30..50
  EXPECT_EQ(taps->at(*root, {50, 35}), "cell");
  EXPECT_EQ(cell->convertPointToView({1, 1}, root.get()), CGPointMake(1, 31));
  EXPECT_EQ(root->convertPointToView({1, 31}, cell.get()), CGPointMake(1, 1));
}

TEST(HitTest, ViewsWhoseTransformCannotBeInvertedTakeNoTap) {
  for (const CGAffineTransform transform :
       {CGAffineTransformMakeScale(0, 0), CGAffineTransformMakeScale(1, 0),
        CGAffineTransformMakeScale(1e-200, 1e-200)}) {
    SCOPED_TRACE(transform.d);
    const auto taps = std::make_shared<Taps>();
    auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    auto flattened = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    Taps::on(taps, *root, "root");
    Taps::on(taps, *flattened, "flattened");
    root->addSubview(flattened);
    flattened->setTransform(transform);
    EXPECT_EQ(taps->at(*root, {50, 50}), "root");
  }
}

TEST(HitTest, DeepTreeIsTappedAndReleasedWithoutExhaustingTheStack) {
  // Sixty thousand nested views: the tap reaches as deep as the renderer draws, 256 levels below the root.
  const auto taps = std::make_shared<Taps>();
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  UIView* deepest = root.get();
  for (int level = 1; level <= 60'000; ++level) {
    auto child = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
    if (level == 256 || level == 257) Taps::on(taps, *child, level == 256 ? "256" : "257");
    deepest->addSubview(child);
    deepest = child.get();
  }
  EXPECT_EQ(taps->at(*root, {50, 50}), "256");
  root.reset();
}

}  // namespace
}  // namespace tarnavel
