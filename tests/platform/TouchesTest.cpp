// Gestures as a user makes them: taps hit-testing the view tree down to the view whose recognizers fire,
// drags, status-bar taps, animated scrolls and pinches of a scroll view.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/input/UserInput.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {
namespace {

using Calls = std::vector<std::string>;

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

/// Writes down every callback with the vertical offset shown at that moment.
class ScrollLog : public UIScrollViewDelegate {
 public:
  void scrollViewDidScroll(UIScrollView& s) override { note("scroll", s); }
  void scrollViewWillBeginDragging(UIScrollView& s) override { note("begin-drag", s); }
  void scrollViewWillEndDragging(UIScrollView& s, CGPoint, CGPoint* target) override {
    note("end-drag to " + formatInteger(static_cast<long long>(target->y)), s);
    if (moveTarget) *target = *moveTarget;
  }
  void scrollViewDidEndDragging(UIScrollView& s, bool decelerate) override {
    note(decelerate ? "ended-drag decelerating" : "ended-drag", s);
  }
  void scrollViewDidScrollToTop(UIScrollView& s) override { note("top", s); }
  void scrollViewWillBeginDecelerating(UIScrollView& s) override { note("begin-decel", s); }
  void scrollViewDidEndDecelerating(UIScrollView& s) override { note("end-decel", s); }
  void scrollViewWillBeginZooming(UIScrollView& s, UIView*) override { note("begin-zoom", s); }
  void scrollViewDidEndZooming(UIScrollView& s, UIView*, CGFloat scale) override {
    note("end-zoom x" + formatInteger(static_cast<long long>(scale)), s);
  }
  void scrollViewDidZoom(UIScrollView& s) override { note("zoom", s); }
  void scrollViewDidEndScrollingAnimation(UIScrollView& s) override { note("end-animation", s); }
  UIView* viewForZoomingInScrollView(UIScrollView&) override { return zoomView.get(); }

  Calls calls;
  std::optional<CGPoint> moveTarget;
  std::shared_ptr<UIView> zoomView;

 private:
  void note(const std::string& what, UIScrollView& s) {
    calls.push_back(what + " @" + formatInteger(static_cast<long long>(s.contentOffset().y)));
  }
};

/// A 100-point window on content 400 high.
struct LoggedScroll {
  std::shared_ptr<UIScrollView> scroll = std::make_shared<UIScrollView>(CGRectMake(0, 0, 100, 100));
  std::shared_ptr<ScrollLog> log = std::make_shared<ScrollLog>();
  LoggedScroll() {
    scroll->contentSize = CGSizeMake(100, 400);
    scroll->setDelegate(log);
  }
};

TEST(ScrollDrag, SendsTheGestureInOrderAndCoastsToRest) {
  LoggedScroll s;
  s.scroll->decelerationRate = 0.75;
  // The finger moves up, so the offset grows. Each millisecond keeps 0.75 of the speed: 10 points per
  // millisecond coast 10 * 0.75 / 0.25 = 30 further.
  s.scroll->drag({{0, -10}, {0, -20}}, {0, 10});
  EXPECT_EQ(s.log->calls,
            (Calls{"begin-drag @0", "scroll @10", "scroll @30", "end-drag to 60 @30",
                   "ended-drag decelerating @30", "begin-decel @30", "scroll @60", "end-decel @60"}));
  s.log->calls.clear();
  s.scroll->drag({{0, -5}});
  EXPECT_EQ(s.log->calls, (Calls{"begin-drag @60", "scroll @65", "end-drag to 65 @65", "ended-drag @65"}));
}

TEST(ScrollDrag, OffsetsStayWithinTheContentWhateverTheGestureOrDelegate) {
  LoggedScroll s;
  s.scroll->contentInset = UIEdgeInsetsMake(10, 0, 20, 0);
  s.scroll->drag({{0, 50}, {-40, 0}});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, -10));  // the top inset; no room sideways
  s.scroll->drag({{0, -100}}, {0, 50});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 320));  // 400 + 20 - 100
  s.log->moveTarget = CGPointMake(0, 120);
  s.scroll->drag({});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 120));
  s.log->moveTarget = CGPointMake(0, 5000);
  s.scroll->drag({});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 320));
}

TEST(ScrollDrag, HugeOrInfiniteContentAndInsetsKeepEveryOffsetFinite) {
  constexpr CGFloat huge = std::numeric_limits<CGFloat>::max();
  constexpr CGFloat infinite = std::numeric_limits<CGFloat>::infinity();
  for (const CGFloat size : {huge, infinite}) {
    const auto scroll = std::make_shared<UIScrollView>(CGRectMake(0, 0, 100, 100));
    scroll->contentSize = CGSizeMake(size, size);
    scroll->contentInset = UIEdgeInsetsMake(size, size, size, size);
    scroll->drag({{0, -1.49e307}}, {huge, huge});
    EXPECT_EQ(scroll->contentOffset(), CGPointMake(huge, huge));
    scroll->drag({{huge, huge}, {huge, huge}});
    EXPECT_EQ(scroll->contentOffset(), CGPointMake(-huge, -huge));
  }
}

TEST(ScrollGestures, StatusBarTapAndAnimatedScroll) {
  LoggedScroll s;
  s.scroll->tapStatusBar();  // already at the top
  s.scroll->setContentOffset(CGPointMake(0, 1000), true);
  s.scroll->setContentOffset(CGPointMake(0, 300), true);  // already there
  s.scroll->tapStatusBar();
  EXPECT_EQ(s.log->calls, (Calls{"scroll @300", "end-animation @300", "scroll @0", "top @0"}));

  s.log->calls.clear();
  s.scroll->setContentOffset(CGPointMake(0, 80));
  s.scroll->scrollsToTop = false;
  s.scroll->tapStatusBar();
  s.scroll->userInteractionEnabled = false;
  s.scroll->drag({{0, -30}}, {0, 1});
  EXPECT_EQ(s.log->calls, (Calls{"scroll @80"}));

  // The delegate is held weakly: released, it is gone, and a drag goes on without it.
  const std::weak_ptr<ScrollLog> released = s.log;
  s.log.reset();
  EXPECT_TRUE(released.expired());
  s.scroll->userInteractionEnabled = true;
  s.scroll->drag({{0, -30}});
  EXPECT_EQ(s.scroll->delegate(), nullptr);
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 110));
}

TEST(PinchZoom, ZoomsOnlyTheDelegatesViewWithinTheZoomRange) {
  LoggedScroll s;
  s.scroll->maximumZoomScale = 3;
  s.scroll->pinch(2);  // no view to zoom
  s.log->zoomView = std::make_shared<UIView>(CGRectMake(0, 0, 100, 400));
  s.scroll->addSubview(s.log->zoomView);
  s.scroll->pinch(0);  // not a scale
  EXPECT_TRUE(s.log->calls.empty());
  s.scroll->pinch(5);
  EXPECT_EQ(s.log->calls, (Calls{"begin-zoom @0", "zoom @0", "end-zoom x3 @0"}));
  EXPECT_EQ(s.scroll->contentSize, CGSizeMake(300, 1200));

  // A zoom scale that is not a finite positive number counts as 1 when the pinch starts.
  for (const CGFloat unusable : {std::numeric_limits<CGFloat>::quiet_NaN(), 0.0, HUGE_VAL}) {
    s.scroll->zoomScale = unusable;
    s.scroll->pinch(2);
    EXPECT_EQ(s.scroll->zoomScale, 2) << unusable;
  }
}

}  // namespace
}  // namespace tarnavel
