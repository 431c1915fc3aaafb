#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;
using testing::scrollViewOf;

/// Hears every scroll method and checks that each came from the expected grid and scroll view.
class ScrollRecorder : public DataGridDelegate {
 public:
  void datagridScrollViewDidScroll(UIDataGrid& g, UIScrollView& s) override { note("did-scroll", g, s); }
  void datagridScrollViewWillBeginDragging(UIDataGrid& g, UIScrollView& s) override {
    note("will-begin-dragging", g, s);
  }
  void datagridScrollViewWillEndDragging(UIDataGrid& g, UIScrollView& s, CGPoint velocity,
                                         CGPoint* target) override {
    note("will-end-dragging", g, s);
    velocities.push_back(velocity);
    if (moveTargetTo) *target = *moveTargetTo;
  }
  void datagridScrollViewDidEndDragging(UIDataGrid& g, UIScrollView& s, bool decelerate) override {
    note(decelerate ? "did-end-dragging decelerating" : "did-end-dragging", g, s);
  }
  void datagridScrollViewDidScrollToTop(UIDataGrid& g, UIScrollView& s) override {
    note("did-scroll-to-top", g, s);
  }
  void datagridScrollViewWillBeginDecelerating(UIDataGrid& g, UIScrollView& s) override {
    note("will-begin-decelerating", g, s);
  }
  void datagridScrollViewDidEndDecelerating(UIDataGrid& g, UIScrollView& s) override {
    note("did-end-decelerating", g, s);
  }
  void datagridScrollViewWillBeginZooming(UIDataGrid& g, UIScrollView& s, UIView* view) override {
    note("will-begin-zooming", g, s);
    views.push_back(view);
  }
  void datagridScrollViewDidEndZooming(UIDataGrid& g, UIScrollView& s, UIView* view, CGFloat scale) override {
    note("did-end-zooming", g, s);
    views.push_back(view);
    scales.push_back(scale);
  }
  void datagridScrollViewDidZoom(UIDataGrid& g, UIScrollView& s) override { note("did-zoom", g, s); }
  void datagridScrollViewDidEndScrollingAnimation(UIDataGrid& g, UIScrollView& s) override {
    note("did-end-scrolling-animation", g, s);
  }

  const UIDataGrid* grid = nullptr;
  const UIScrollView* scroll = nullptr;
  std::vector<std::string> calls;
  std::vector<CGPoint> velocities;
  std::vector<UIView*> views;
  std::vector<CGFloat> scales;
  std::optional<CGPoint> moveTargetTo;

 private:
  void note(const std::string& what, UIDataGrid& g, UIScrollView& s) {
    calls.push_back(&g == grid && &s == scroll ? what : what + " from a stranger");
  }
};

/// A bound grid of 20 rows, 20 points high, in a 200-point window: the content is 410 high.
struct ScrolledGrid {
  std::shared_ptr<UIDataGrid> grid = makeGrid(100, 210);
  std::shared_ptr<UIScrollView> scroll;

  ScrolledGrid() {
    grid->RowHeight = 20;
    grid->HeaderHeight = 10;
    grid->alternatingBackgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
    grid->Columns = {labelColumn("N", 0)};
    Value records = Value::newArray();
    for (int i = 0; i < 20; ++i)
      records.append(makeRecords({{std::to_string(i)}}).at(0));
    grid->DataSource = records;
    grid->DataBind();
    scroll = scrollViewOf(*grid);
  }

  std::shared_ptr<ScrollRecorder> record() {
    auto recorder = std::make_shared<ScrollRecorder>();
    recorder->grid = grid.get();
    recorder->scroll = scroll.get();
    grid->setDelegate(recorder);
    return recorder;
  }
};

using Calls = std::vector<std::string>;

TEST(ScrollForward, UserDragReachesTheHostInOrderWithTheGridFirst) {
  ScrolledGrid g;
  ASSERT_TRUE(g.scroll);
  const auto host = g.record();
  g.scroll->drag({{0, -15}, {0, -15}}, {0, 0.25});
  EXPECT_EQ(host->calls, (Calls{"will-begin-dragging", "did-scroll", "did-scroll", "will-end-dragging",
                                "did-end-dragging decelerating", "will-begin-decelerating", "did-scroll",
                                "did-end-decelerating"}));
  EXPECT_EQ(host->velocities, (std::vector<CGPoint>{{0, 0.25}}));
}

TEST(ScrollForward, HostMayMoveWhereTheDragComesToRest) {
  ScrolledGrid g;
  const auto host = g.record();
  host->moveTargetTo = CGPointMake(0, 100);
  g.scroll->drag({{0, -15}});
  EXPECT_EQ(g.scroll->contentOffset(), CGPointMake(0, 100));
  EXPECT_EQ(host->calls.back(), "did-end-decelerating");
}

TEST(ScrollForward, ScrollToTopAndAnimatedScroll) {
  ScrolledGrid g;
  const auto host = g.record();
  g.scroll->setContentOffset(CGPointMake(0, 60), true);
  g.scroll->tapStatusBar();
  EXPECT_EQ(host->calls,
            (Calls{"did-scroll", "did-end-scrolling-animation", "did-scroll", "did-scroll-to-top"}));
}

TEST(ScrollForward, ZoomCallsPassTheirViewAndScaleThrough) {
  ScrolledGrid g;
  const auto host = g.record();
  UIView zoomed;
  g.grid->scrollViewWillBeginZooming(*g.scroll, &zoomed);
  g.grid->scrollViewDidZoom(*g.scroll);
  g.grid->scrollViewDidEndZooming(*g.scroll, &zoomed, 2.5);
  EXPECT_EQ(host->calls, (Calls{"will-begin-zooming", "did-zoom", "did-end-zooming"}));
  EXPECT_EQ(host->views, (std::vector<UIView*>{&zoomed, &zoomed}));
  EXPECT_EQ(host->scales, (std::vector<CGFloat>{2.5}));

  // The grid offers no view to zoom, so a pinch on its scroll view zooms nothing.
  host->calls.clear();
  g.scroll->maximumZoomScale = 4;
  g.scroll->pinch(2);
  EXPECT_TRUE(host->calls.empty());
}

TEST(ScrollForward, OnlyTheMethodsAHostImplementsAreCalled) {
  struct DidScrollOnly : DataGridDelegate {
    void datagridScrollViewDidScroll(UIDataGrid&, UIScrollView&) override { ++scrolls; }
    int scrolls = 0;
  };
  ScrolledGrid g;
  const auto none = std::make_shared<DataGridDelegate>();
  g.grid->setDelegate(none);
  g.scroll->drag({{0, -15}}, {0, 0.05});
  const auto host = std::make_shared<DidScrollOnly>();
  g.grid->setDelegate(host);
  g.scroll->drag({{0, -15}, {0, -15}}, {0, 0.05});
  g.scroll->tapStatusBar();
  EXPECT_EQ(host->scrolls, 4);  // two moves, the coast, the way back to the top
}

TEST(ScrollForward, AHostThatRaisesEndsThatForwardOnly) {
  struct RaisingHost : ScrollRecorder {
    void datagridScrollViewWillBeginDragging(UIDataGrid&, UIScrollView&) override {
      raiseException(NSGenericException, "host failed");
    }
  };
  ScrolledGrid g;
  const auto host = std::make_shared<RaisingHost>();
  host->grid = g.grid.get();
  host->scroll = g.scroll.get();
  g.grid->setDelegate(host);
  g.scroll->drag({{0, -15}});
  EXPECT_EQ(host->calls, (Calls{"did-scroll", "will-end-dragging", "did-end-dragging"}));
  EXPECT_EQ(g.scroll->contentOffset(), CGPointMake(0, 15));
}

TEST(ScrollForward, DrawnGridShowsTheScrolledRows) {
  ScrolledGrid g;
  RenderOptions options;
  options.background = UIColor::whiteColor();
  // Below the 10-point header, the first row shown is row 0 (plain) until a drag of one row brings row 1
  // (odd, red) to the top.
  const auto before = renderToImage(*g.grid, options);
  EXPECT_EQ(before->pixelAt(60, 20), (RGBA8{255, 255, 255, 255}));
  g.scroll->drag({{0, -20}});
  const auto after = renderToImage(*g.grid, options);
  EXPECT_EQ(after->pixelAt(60, 20), (RGBA8{255, 0, 0, 255}));
  EXPECT_EQ(after->pixelAt(60, 40), (RGBA8{255, 255, 255, 255}));
}

}  // namespace
}  // namespace tarnavel
