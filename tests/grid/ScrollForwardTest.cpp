#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using Calls = std::vector<std::string>;

/// Hears the scroll methods, each marked when it did not come from the expected grid and scroll view.
class ScrollRecorder : public DataGridDelegate {
 public:
  void datagridScrollViewDidScroll(UIDataGrid& g, UIScrollView& s) override { note("did-scroll", g, s); }
  void datagridScrollViewWillBeginDragging(UIDataGrid& g, UIScrollView& s) override {
    note("begin-drag", g, s);
  }
  void datagridScrollViewWillEndDragging(UIDataGrid& g, UIScrollView& s, CGPoint v,
                                         CGPoint* target) override {
    note(v.y == 0.25 ? "end-drag" : "end-drag at another speed", g, s);
    *target = CGPointMake(0, 100);
  }
  void datagridScrollViewDidEndDragging(UIDataGrid& g, UIScrollView& s, bool) override {
    note("ended-drag", g, s);
  }
  void datagridScrollViewWillBeginDecelerating(UIDataGrid& g, UIScrollView& s) override {
    note("begin-decel", g, s);
  }
  void datagridScrollViewDidEndDecelerating(UIDataGrid& g, UIScrollView& s) override {
    note("end-decel", g, s);
  }

  const UIDataGrid* grid = nullptr;
  const UIScrollView* scroll = nullptr;
  Calls calls;

 private:
  void note(const std::string& what, UIDataGrid& g, UIScrollView& s) {
    calls.push_back(&g == grid && &s == scroll ? what : what + " from a stranger");
  }
};

/// A bound grid of 20 rows 20 points high under a 10-point header, odd rows red, in a 200-point window.
struct ScrolledGrid {
  std::shared_ptr<UIDataGrid> grid = testing::makeGrid(100, 210);
  std::shared_ptr<UIScrollView> scroll;

  ScrolledGrid() {
    grid->RowHeight = 20;
    grid->HeaderHeight = 10;
    grid->alternatingBackgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
    grid->Columns = {testing::labelColumn("N", 0)};
    grid->DataSource = Value::newArray();
    for (int i = 0; i < 20; ++i)
      grid->DataSource.append(Value::newArray({Value(std::to_string(i))}));
    grid->DataBind();
    scroll = testing::scrollViewOf(*grid);
  }
  template <class Host>
  std::shared_ptr<Host> hear() {
    auto host = std::make_shared<Host>();
    host->grid = grid.get();
    host->scroll = scroll.get();
    grid->setDelegate(host);
    return host;
  }
};

TEST(ScrollForward, UserDragReachesTheHostInOrderWithTheGridFirst) {
  ScrolledGrid g;
  ASSERT_TRUE(g.scroll);
  const auto host = g.hear<ScrollRecorder>();
  g.scroll->drag({{0, -15}, {0, -15}}, {0, 0.25});
  EXPECT_EQ(host->calls, (Calls{"begin-drag", "did-scroll", "did-scroll", "end-drag", "ended-drag",
                                "begin-decel", "did-scroll", "end-decel"}));
  EXPECT_EQ(g.scroll->contentOffset(), CGPointMake(0, 100));  // where the host moved the target
}

TEST(ScrollForward, OnlyImplementedMethodsAreCalledAndARaisingHostEndsOnlyThatCall) {
  struct DidScrollOnly : DataGridDelegate {
    void datagridScrollViewDidScroll(UIDataGrid&, UIScrollView&) override { ++scrolls; }
    void datagridScrollViewWillBeginDragging(UIDataGrid&, UIScrollView&) override {
      raiseException(NSGenericException, "host failed");
    }
    const UIDataGrid* grid = nullptr;
    const UIScrollView* scroll = nullptr;
    int scrolls = 0;
  };
  ScrolledGrid g;
  g.grid->setDelegate(std::make_shared<DataGridDelegate>());
  g.scroll->drag({{0, -15}}, {0, 0.05});
  const auto host = g.hear<DidScrollOnly>();
  g.scroll->drag({{0, -15}, {0, -15}}, {0, 0.05});
  g.scroll->setContentOffset(CGPointMake(0, 0), true);
  EXPECT_EQ(host->scrolls, 4);  // two moves, the coast, the animated way back
  ASSERT_TRUE(g.grid->lastSwallowedException());
  EXPECT_EQ(g.grid->lastSwallowedException()->reason(), "host failed");
}

TEST(ScrollForward, DrawnGridShowsTheScrolledRows) {
  ScrolledGrid g;
  RenderOptions options;
  options.background = UIColor::whiteColor();
  // Under the header the first row shown is row 0 (plain) until a drag of one row brings up row 1 (red).
  EXPECT_EQ(renderToImage(*g.grid, options)->pixelAt(60, 20), (RGBA8{255, 255, 255, 255}));
  g.scroll->drag({{0, -20}});
  const auto after = renderToImage(*g.grid, options);
  EXPECT_EQ(after->pixelAt(60, 20), (RGBA8{255, 0, 0, 255}));
  EXPECT_EQ(after->pixelAt(60, 40), (RGBA8{255, 255, 255, 255}));
}

}  // namespace
}  // namespace tarnavel
