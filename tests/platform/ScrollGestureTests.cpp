#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {
namespace {

std::string pointText(CGPoint p) {
  return formatInteger(static_cast<long long>(p.x)) + "," + formatInteger(static_cast<long long>(p.y));
}

/// Writes down every callback with the offset the scroll view shows at that moment.
class ScrollLog : public UIScrollViewDelegate {
 public:
  void scrollViewDidScroll(UIScrollView& s) override { note("scroll", s); }
  void scrollViewWillBeginDragging(UIScrollView& s) override { note("begin-drag", s); }
  void scrollViewWillEndDragging(UIScrollView& s, CGPoint velocity, CGPoint* target) override {
    note("end-drag v" + pointText(velocity) + " to " + pointText(*target), s);
    if (moveTarget) *target = *moveTarget;
  }
  void scrollViewDidEndDragging(UIScrollView& s, bool decelerate) override {
    note(decelerate ? "ended-drag decelerating" : "ended-drag", s);
  }
  void scrollViewDidScrollToTop(UIScrollView& s) override { note("top", s); }
  void scrollViewWillBeginDecelerating(UIScrollView& s) override { note("begin-decel", s); }
  void scrollViewDidEndDecelerating(UIScrollView& s) override { note("end-decel", s); }
  void scrollViewWillBeginZooming(UIScrollView& s, UIView* view) override {
    note(view == zoomView.get() ? "begin-zoom" : "begin-zoom ?", s);
  }
  void scrollViewDidEndZooming(UIScrollView& s, UIView* view, CGFloat scale) override {
    note((view == zoomView.get() ? "end-zoom x" : "end-zoom ? x") +
             formatInteger(static_cast<long long>(scale)),
         s);
  }
  void scrollViewDidZoom(UIScrollView& s) override { note("zoom", s); }
  void scrollViewDidEndScrollingAnimation(UIScrollView& s) override { note("end-animation", s); }
  UIView* viewForZoomingInScrollView(UIScrollView&) override { return zoomView.get(); }

  std::vector<std::string> calls;
  std::optional<CGPoint> moveTarget;
  std::shared_ptr<UIView> zoomView;

 private:
  void note(const std::string& what, UIScrollView& s) {
    calls.push_back(what + " @" + pointText(s.contentOffset()));
  }
};

struct LoggedScroll {
  std::shared_ptr<UIScrollView> scroll = std::make_shared<UIScrollView>(CGRectMake(0, 0, 100, 100));
  std::shared_ptr<ScrollLog> log = std::make_shared<ScrollLog>();

  LoggedScroll() {
    scroll->contentSize = CGSizeMake(100, 400);
    scroll->setDelegate(log);
  }
};

using Calls = std::vector<std::string>;

TEST(ScrollDrag, DragWithoutVelocityStopsWhereTheFingerLeavesIt) {
  LoggedScroll s;
  // The finger moves up, so the content moves up and the offset grows.
  s.scroll->drag({{0, -30}, {0, -20}});
  EXPECT_EQ(s.log->calls, (Calls{"begin-drag @0,0", "scroll @0,30", "scroll @0,50",
                                 "end-drag v0,0 to 0,50 @0,50", "ended-drag @0,50"}));
}

TEST(ScrollDrag, ReleaseWithVelocityCoastsToTheRestingOffset) {
  LoggedScroll s;
  s.scroll->decelerationRate = 0.75;
  s.scroll->drag({{0, -10}}, {0, 10});
  // Each millisecond keeps 0.75 of the speed: 10 points per millisecond coast 10 * 0.75 / 0.25 = 30 further.
  EXPECT_EQ(s.log->calls,
            (Calls{"begin-drag @0,0", "scroll @0,10", "end-drag v0,10 to 0,40 @0,10",
                   "ended-drag decelerating @0,10", "begin-decel @0,10", "scroll @0,40", "end-decel @0,40"}));
}

TEST(ScrollDrag, OffsetsStayWithinTheContent) {
  LoggedScroll s;
  s.scroll->contentInset = UIEdgeInsetsMake(10, 0, 20, 0);
  // Past the top: the offset stops at the top inset.
  s.scroll->drag({{0, 50}});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, -10));
  // A fling far down stops at the bottom: 400 + 20 - 100.
  s.scroll->drag({{0, -100}}, {0, 50});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 320));
  // Sideways there is no room at all.
  s.scroll->drag({{-40, 0}});
  EXPECT_EQ(s.scroll->contentOffset().x, 0);
}

TEST(ScrollDrag, DelegateMovesTheRestingOffsetWithinTheContent) {
  LoggedScroll s;
  s.log->moveTarget = CGPointMake(0, 120);
  s.scroll->drag({{0, -10}});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 120));
  EXPECT_EQ(s.log->calls.back(), "end-decel @0,120");

  s.log->moveTarget = CGPointMake(0, 5000);
  s.scroll->drag({});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 300));
}

TEST(ScrollDrag, NoTouchesOrScrollingOffSendsNothing) {
  for (const bool interactive : {false, true}) {
    LoggedScroll s;
    s.scroll->userInteractionEnabled = interactive;
    s.scroll->scrollEnabled = !interactive;
    s.scroll->drag({{0, -30}}, {0, 1});
    s.scroll->tapStatusBar();
    EXPECT_TRUE(s.log->calls.empty());
    EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 0));
  }
}

TEST(ScrollToTop, StatusBarTapScrollsToTheTopOnce) {
  LoggedScroll s;
  s.scroll->tapStatusBar();
  EXPECT_TRUE(s.log->calls.empty());
  s.scroll->setContentOffset(CGPointMake(0, 80));
  s.log->calls.clear();
  s.scroll->tapStatusBar();
  EXPECT_EQ(s.log->calls, (Calls{"scroll @0,0", "top @0,0"}));

  s.scroll->setContentOffset(CGPointMake(0, 80));
  s.scroll->scrollsToTop = false;
  s.log->calls.clear();
  s.scroll->tapStatusBar();
  EXPECT_TRUE(s.log->calls.empty());
}

TEST(AnimatedScroll, EndsWithTheAnimationEndAndStaysWithinTheContent) {
  LoggedScroll s;
  s.scroll->setContentOffset(CGPointMake(0, 1000), true);
  EXPECT_EQ(s.log->calls, (Calls{"scroll @0,300", "end-animation @0,300"}));
  s.log->calls.clear();
  s.scroll->setContentOffset(CGPointMake(0, 300), true);
  EXPECT_TRUE(s.log->calls.empty());
  s.scroll->setContentOffset(CGPointMake(0, 40), false);
  EXPECT_EQ(s.log->calls, (Calls{"scroll @0,40"}));
}

TEST(PinchZoom, ZoomsTheDelegatesViewWithinTheZoomRange) {
  LoggedScroll s;
  s.log->zoomView = std::make_shared<UIView>(CGRectMake(0, 0, 100, 400));
  s.scroll->addSubview(s.log->zoomView);
  s.scroll->maximumZoomScale = 3;
  s.scroll->pinch(5);
  EXPECT_EQ(s.log->calls, (Calls{"begin-zoom @0,0", "zoom @0,0", "end-zoom x3 @0,0"}));
  EXPECT_EQ(s.scroll->zoomScale, 3);
  EXPECT_EQ(s.scroll->contentSize, CGSizeMake(300, 1200));
  s.scroll->drag({{0, -5000}});
  EXPECT_EQ(s.scroll->contentOffset(), CGPointMake(0, 1100));
}

TEST(PinchZoom, ViewDroppedByTheDelegateMidPinchStillEndsTheZoom) {
  struct DroppingLog : ScrollLog {
    void scrollViewWillBeginZooming(UIScrollView& s, UIView* view) override {
      ScrollLog::scrollViewWillBeginZooming(s, view);
      zoomView->removeFromSuperview();
      zoomView.reset();
    }
  };
  const auto scroll = std::make_shared<UIScrollView>(CGRectMake(0, 0, 100, 100));
  const auto log = std::make_shared<DroppingLog>();
  log->zoomView = std::make_shared<UIView>(CGRectMake(0, 0, 100, 100));
  scroll->addSubview(log->zoomView);
  scroll->setDelegate(log);
  scroll->maximumZoomScale = 2;
  scroll->pinch(2);
  EXPECT_EQ(log->calls.size(), 3u);
  EXPECT_EQ(scroll->contentSize, CGSizeMake(200, 200));
}

TEST(PinchZoom, WithoutAViewOrAZoomRangeNothingZooms) {
  LoggedScroll s;
  s.scroll->maximumZoomScale = 3;
  s.scroll->pinch(2);  // no view for zooming
  s.log->zoomView = std::make_shared<UIView>(CGRectMake(0, 0, 100, 400));
  s.scroll->maximumZoomScale = 1;
  s.scroll->pinch(2);  // no range
  s.scroll->maximumZoomScale = 3;
  s.scroll->pinch(0);  // not a scale
  EXPECT_TRUE(s.log->calls.empty());
  EXPECT_EQ(s.scroll->zoomScale, 1);
}

}  // namespace
}  // namespace tarnavel
