#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel::testing {
namespace {

/// A grid telling a recorder, with text 5 points a character and 12 high.
class HeaderBinding : public ::testing::Test {
 protected:
  HeaderBinding() { grid->setDelegate(recorder); }
  ScopedTextMeasurer metrics = fixedMetrics();
  std::shared_ptr<EventRecorder> recorder = std::make_shared<EventRecorder>();
  std::shared_ptr<UIDataGrid> grid = makeGrid();
};
using TitleTap = HeaderBinding;

// Auto-size by title takes the title's width whatever ColumnsWidth holds; a kind of auto-size outside the
// enumeration acts as none.
TEST_F(HeaderBinding, ColumnsWidthOfExactlySeventyOverridesEveryColumnWidthButTheTitles) {
  for (const auto& [columnsWidth, expected] : {std::pair{70.0, 70.0}, {80.0, 120.0}, {0.0, 120.0}}) {
    grid->ColumnsWidth = columnsWidth;
    const auto column = labelColumn("Name", 0, 120);
    const auto otherKind = labelColumn("Name", 0, 120);
    otherKind->AutoSizeType = static_cast<DataGridAutoSizeType>(7);
    const auto byTitle = labelColumn("Name", 0, 120);
    byTitle->AutoSizeType = DataGridAutoSizeTypeTitle;
    const auto untitled = labelColumn("", 0, 120);
    untitled->Title = std::nullopt;
    untitled->AutoSizeType = DataGridAutoSizeTypeTitle;
    bind(*grid, {column, otherKind, byTitle, untitled}, makeRecords({{"x"}}));
    EXPECT_EQ(column->header->frame().size.width, expected) << "ColumnsWidth " << columnsWidth;
    EXPECT_EQ((std::vector{column->Width, otherKind->Width, byTitle->Width, untitled->Width}),
              (std::vector<CGFloat>{expected, expected, 20, 0}))
        << "ColumnsWidth " << columnsWidth;
  }
}

// A hidden column takes no room and gets no cells; the columns after it keep their own index.
TEST_F(HeaderBinding, TitlesAndColumnBordersSitSideBySideAndAHiddenColumnTakesNoRoom) {
  grid->ColumnsWidth = 0;
  grid->columnBorderWidth = 2;
  grid->columnBorderColor = UIColor::colorWithRed(1, 0, 0, 1);
  const auto a = labelColumn("A", 0, 70);
  const auto hidden = labelColumn("H", 0);
  hidden->setHidden(true);
  const auto b = labelColumn("B", 0, 50);
  bind(*grid, {a, hidden, b}, makeRecords({{"x"}}));

  const auto& parts = a->header->superview()->subviews();
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[0], a->header);
  EXPECT_EQ(parts[0]->frame(), CGRectMake(0, 0, 70, 12));
  EXPECT_EQ(parts[1]->frame(), CGRectMake(70, 0, 2, 12));
  EXPECT_EQ(parts[1]->backgroundColor(), grid->columnBorderColor);
  EXPECT_EQ(parts[2], b->header);
  EXPECT_EQ(parts[2]->frame(), CGRectMake(72, 0, 50, 12));
  EXPECT_EQ(parts[3]->frame(), CGRectMake(122, 0, 2, 12));
  EXPECT_EQ(a->header->superview()->frame(), CGRectMake(0, 0, 124, 12));
  EXPECT_EQ(b->frame(), CGRectMake(72, 0, 50, 12));
  EXPECT_EQ(hidden->header->superview(), nullptr);
  ASSERT_NE(hidden->Cells, nullptr);
  EXPECT_TRUE(hidden->Cells->empty());
  EXPECT_EQ(cellAt<DataGridLabelCell>(*b, 0)->frame().origin.x, 72);
  tapAt(*grid, CGPointMake(100, 6));
  EXPECT_EQ(recorder->events, (Events{"title 2 B"}));
}

TEST_F(HeaderBinding, HeaderHeightOnlyGrowsToTheTallestTitle) {
  // "Tall" measures 14 high, every other title 8.
  ScopedTextMeasurer tallTitle([](std::string_view text, const UIFont&) {
    return CGSize{static_cast<CGFloat>(text.size()) * 5, text == "Tall" ? 14.0 : 8.0};
  });
  const auto a = labelColumn("a", 0);
  const auto tall = labelColumn("Tall", 0);
  const auto c = labelColumn("c", 0);
  bind(*grid, {a, tall, c}, makeRecords({{"x"}}));

  EXPECT_EQ(grid->HeaderHeight, 14);
  // The first title was set before the taller one was measured; the strip and the scroll view follow the
  // tallest.
  EXPECT_EQ((std::vector{a->header->frame().size.height, tall->header->frame().size.height,
                         c->header->frame().size.height, a->header->superview()->frame().size.height,
                         scrollViewOf(*grid)->frame().origin.y}),
            (std::vector<CGFloat>{8, 14, 14, 14, 14}));

  tall->Title = "short";
  grid->DataBind();
  EXPECT_EQ(grid->HeaderHeight, 14);
  EXPECT_EQ(a->header->frame().size.height, 14);
}

// Text measures in the template's font where the template sets one, and the column keeps that font.
TEST_F(HeaderBinding, AutoSizeByContentMeasuresEachKind) {
  ScopedTextMeasurer courierWider([](std::string_view text, const UIFont& font) {
    return CGSize{static_cast<CGFloat>(text.size()) * (font.fontName() == "Courier" ? 6 : 5), 12};
  });
  const HostImages images({{"badge", {30, 16}}});
  const auto courier = UIFont::fontWithName("Courier", 9);
  const auto inCourier = std::make_shared<DataGridLabelColumn>();
  inCourier->cellTemplate->setFont(courier);
  const std::tuple<const char*, std::shared_ptr<DataGridColumn>, CGFloat, CGFloat> cases[] = {
      {"label", std::make_shared<DataGridLabelColumn>(), 40, 12},
      {"label in its template's font", inCourier, 48, 12},
      {"text field", std::make_shared<DataGridTextFieldColumn>(), 40, 22},
      {"text view", std::make_shared<DataGridTextViewColumn>(), 40, 22},
      {"button", std::make_shared<DataGridButtonColumn>(), 40, 22},
      {"image", std::make_shared<DataGridImageColumn>(), 30, 16},
      {"switch", std::make_shared<DataGridSwitchColumn>(), 51, 31},
      {"slider", std::make_shared<DataGridSliderColumn>(), 118, 31},
      {"date picker", std::make_shared<DataGridDatePickerColumn>(), 320, 216},
      {"picker", std::make_shared<DataGridPickerColumn>(), 320, 216},
  };
  for (const auto& [kind, column, width, rowHeight] : cases) {
    grid = makeGrid();
    column->dataFieldIndex = 0;
    column->AutoSizeType = DataGridAutoSizeTypeContent;
    bind(*grid, {column}, makeRecords({{"ab"}, {"abcdefgh"}, {"badge"}}));
    EXPECT_EQ(column->Width, width) << kind;
    EXPECT_EQ(grid->RowHeight, rowHeight) << kind;
  }
  EXPECT_EQ(inCourier->font, courier);
}

TEST_F(HeaderBinding, TitleLookFallsBackFromColumnToGrid) {
  const auto gray = UIColor::grayColor();
  const auto red = UIColor::colorWithRed(1, 0, 0, 1);
  const auto blue = UIColor::colorWithRed(0, 0, 1, 1);
  grid->HeaderBackgroundColor = gray;
  grid->HeaderBorderColor = gray;
  grid->HeaderBorderWidth = 1.5;
  grid->setBackgroundColor(UIColor::whiteColor());
  const auto plain = labelColumn("Plain", 0);
  const auto styled = labelColumn("Styled", 0);
  styled->HeaderBackgroundColor = red;
  styled->HeaderForegroundColor = blue;
  styled->HeaderBorderColor = blue;
  styled->HeaderBorderWidth = 3;
  styled->HeaderFont = UIFont::fontWithName("Courier", 8);
  const auto clear = UIColor::colorWithWhite(0, 0);  // a clear colour that is not the marker counts as set
  styled->textColor = clear;
  bind(*grid, {plain, styled}, makeRecords({{"x"}}));

  const auto look = [](const UILabel& title) {
    return std::tuple(title.backgroundColor(), title.textColor(), title.font(), title.layer()->borderColor,
                      title.layer()->borderWidth);
  };
  EXPECT_EQ(plain->header->text(), "Plain");
  EXPECT_EQ(look(*plain->header),
            std::tuple(gray, UIColor::blackColor(), grid->HeaderFont, gray->CGColor(), 1.5));
  EXPECT_EQ(look(*styled->header), std::tuple(red, blue, styled->HeaderFont, blue->CGColor(), 3.0));
  // What the bind writes back into the columns for their cells.
  EXPECT_EQ(plain->font, grid->datagridFont);
  EXPECT_EQ(plain->textColor, grid->foregroundColor);
  EXPECT_EQ(plain->backgroundColor(), UIColor::whiteColor());
  EXPECT_EQ(styled->textColor, clear);
}

TEST_F(HeaderBinding, ScrollViewFramesAndContentHeightInBothHeaderModes) {
  for (const auto& [headerScrollHide, scrollFrame, contentHeight] :
       {std::tuple{false, CGRectMake(0, 12, 300, 188), 73.0}, {true, CGRectMake(0, 0, 300, 200), 85.0}}) {
    grid = makeGrid(300, 200);
    grid->HeaderScrollHide = headerScrollHide;
    grid->RowHeight = 20;
    grid->rowBorderHeight = 1;
    const auto column = labelColumn("A", 0);
    bind(*grid, {column}, makeRecords({{"1"}, {"2"}, {"3"}}));

    const auto scroll = scrollViewOf(*grid);
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->frame(), scrollFrame);
    EXPECT_EQ(scroll->contentSize, CGSizeMake(300, contentHeight));
    EXPECT_EQ(column->header->superview()->superview(),
              headerScrollHide ? static_cast<UIView*>(scroll.get()) : grid.get());
    EXPECT_EQ(grid->subviews().back(), scroll);
  }
}

TEST_F(HeaderBinding, NoRecordsShowNothingButStillUpdateTheColumns) {
  for (const Value& records : {Value(), Value::newArray()}) {
    grid = makeGrid();
    const auto column = labelColumn("Name", 0, 120);
    const auto measured = columnOf<DataGridTextFieldColumn>(0);
    measured->AutoSizeType = DataGridAutoSizeTypeContent;
    bind(*grid, {column, measured}, records);
    EXPECT_TRUE(grid->subviews().empty());
    EXPECT_EQ(column->Width, 70);
    EXPECT_EQ(column->header->text(), "Name");
    EXPECT_EQ(column->header->frame(), CGRectMake(0, 0, 70, 12));
    EXPECT_EQ(column->Cells, nullptr);
    EXPECT_EQ(measured->Width, 0);
    EXPECT_EQ(grid->RowHeight, 5);
  }
}

TEST_F(HeaderBinding, EveryColumnGetsAFreshCellListHoweverMany) {
  for (int i = 0; i < 1030; ++i)
    grid->Columns.push_back(labelColumn("C", 0, 1));
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  const auto last = cellAt<DataGridLabelCell>(*grid->Columns[1029], 0);
  ASSERT_NE(last, nullptr) << "a column past the 1024th still gets its cells";
  EXPECT_EQ(last->frame().origin.x, 1029 * 70);
  EXPECT_EQ(grid->Columns[1029]->header->frame().origin.x, 1029 * 70);
  EXPECT_FALSE(grid->lastSwallowedException());

  const auto firstList = grid->Columns[0]->Cells;
  grid->DataBind();
  EXPECT_NE(grid->Columns[0]->Cells, firstList);
}

TEST_F(HeaderBinding, FailedBindEndsQuietlyOnlyForPlatformExceptions) {
  ScopedTextMeasurer failing(
      [](std::string_view, const UIFont&) -> CGSize { throw std::runtime_error("host"); });
  EXPECT_THROW(bind(*grid, {labelColumn("A", 0)}, makeRecords({{"x"}})), std::runtime_error);
}

// Each bind replaces the grid's own title recognizer, so one tap reports the title once; the host's stays.
// The recognizer carries the title of its bind, whether the header stays or scrolls with the rows.
TEST_F(TitleTap, OneTapReportsTheTitleOfTheBindOnce) {
  struct Counter {
    void count(UIGestureRecognizer&) { ++taps; }
    int taps = 0;
  };
  const auto host = std::make_shared<Counter>();
  const auto beta = labelColumn("Beta", 0);
  beta->header->addGestureRecognizer(
      std::make_shared<UITapGestureRecognizer>(host, "count:", &Counter::count));
  bind(*grid, {labelColumn("Alpha", 0), beta}, makeRecords({{"x"}}));
  beta->Title = "Renamed";
  EXPECT_EQ(tapAt(*grid, CGPointMake(100, 6)), 2);  // the grid's and the host's
  grid->HeaderScrollHide = true;
  grid->DataBind();
  EXPECT_EQ(beta->header->gestureRecognizers().size(), 2u);
  EXPECT_EQ(tapAt(*grid, CGPointMake(100, 6)), 2);
  EXPECT_EQ(recorder->events, (Events{"title 1 Beta", "title 1 Renamed"}));
  EXPECT_EQ(host->taps, 2);
}

// A failing delegate's reason is kept until the next complete bind; a released delegate hears nothing.
TEST_F(TitleTap, AFailingOrReleasedDelegateEndsTheTapQuietly) {
  recorder->raises = true;
  bind(*grid, {labelColumn("Alpha", 0)}, makeRecords({{"x"}}));
  EXPECT_FALSE(grid->lastSwallowedException());
  EXPECT_NO_THROW(tapAt(*grid, CGPointMake(10, 6)));
  ASSERT_TRUE(grid->lastSwallowedException());
  EXPECT_EQ(grid->lastSwallowedException()->reason(), "the host failed");
  grid->DataBind();
  EXPECT_FALSE(grid->lastSwallowedException());
  recorder.reset();
  EXPECT_NO_THROW(tapAt(*grid, CGPointMake(10, 6)));
}

}  // namespace
}  // namespace tarnavel::testing
