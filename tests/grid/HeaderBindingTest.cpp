#include <gtest/gtest.h>

#include <stdexcept>

#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::fixedMetrics;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;
using testing::scrollViewOf;

std::vector<std::shared_ptr<UIGestureRecognizer>> gridTitleRecognizers(const UIDataGrid& grid,
                                                                       const UILabel& label) {
  std::vector<std::shared_ptr<UIGestureRecognizer>> found;
  for (const auto& recognizer : label.gestureRecognizers()) {
    if (recognizer->hasTarget(&grid, "tappedTitle:")) found.push_back(recognizer);
  }
  return found;
}

TEST(HeaderBinding, ColumnsWidthOfExactlySeventyOverridesEveryColumnWidth) {
  const auto metrics = fixedMetrics();
  struct Case {
    CGFloat columnsWidth;
    CGFloat expected;
  };
  for (const Case& c : {Case{70, 70}, Case{80, 120}, Case{0, 120}}) {
    const auto grid = makeGrid();
    grid->ColumnsWidth = c.columnsWidth;
    const auto column = labelColumn("Name", 0, 120);
    grid->Columns = {column};
    grid->DataSource = makeRecords({{"x"}});
    grid->DataBind();
    EXPECT_EQ(column->header->frame().size.width, c.expected) << "ColumnsWidth " << c.columnsWidth;
    EXPECT_EQ(column->Width, c.expected) << "ColumnsWidth " << c.columnsWidth;
  }
}

TEST(HeaderBinding, TitlesAndColumnBordersSitSideBySide) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  grid->ColumnsWidth = 0;
  grid->columnBorderWidth = 2;
  grid->columnBorderColor = UIColor::colorWithRed(1, 0, 0, 1);
  const auto a = labelColumn("A", 0, 70);
  const auto b = labelColumn("B", 0, 50);
  grid->Columns = {a, b};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();

  UIView* strip = testing::headerStripOf(*a);
  ASSERT_NE(strip, nullptr);
  const auto& parts = strip->subviews();
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[0], a->header);
  EXPECT_EQ(parts[0]->frame(), CGRectMake(0, 0, 70, 12));
  EXPECT_EQ(parts[1]->frame(), CGRectMake(70, 0, 2, 12));
  EXPECT_EQ(parts[1]->backgroundColor(), grid->columnBorderColor);
  EXPECT_EQ(parts[2], b->header);
  EXPECT_EQ(parts[2]->frame(), CGRectMake(72, 0, 50, 12));
  EXPECT_EQ(parts[3]->frame(), CGRectMake(122, 0, 2, 12));
  EXPECT_EQ(strip->frame(), CGRectMake(0, 0, 124, 12));
  EXPECT_EQ(b->frame(), CGRectMake(72, 0, 50, 12));
}

TEST(HeaderBinding, HiddenColumnTakesNoRoomAndLaterColumnsKeepTheirIndex) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  const auto a = labelColumn("A", 0);
  const auto hidden = labelColumn("B", 0);
  hidden->setHidden(true);
  const auto c = labelColumn("C", 0);
  grid->Columns = {a, hidden, c};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();

  EXPECT_EQ(hidden->header->superview(), nullptr);
  EXPECT_EQ(c->header->frame(), CGRectMake(70, 0, 70, 12));
  const auto recognizers = gridTitleRecognizers(*grid, *c->header);
  ASSERT_EQ(recognizers.size(), 1u);
  EXPECT_EQ(recognizers[0]->accessibilityHint, "2");
  EXPECT_EQ(recognizers[0]->accessibilityValue, Value("C"));
  EXPECT_EQ(testing::headerStripOf(*a)->frame().size.width, 140);
}

TEST(HeaderBinding, HeaderHeightOnlyGrowsToTheTallestTitle) {
  // "Tall" measures 14 high, every other title 8.
  ScopedTextMeasurer metrics([](std::string_view text, const UIFont&) {
    return CGSize{static_cast<CGFloat>(text.size()) * 5, text == "Tall" ? 14.0 : 8.0};
  });
  const auto grid = makeGrid();
  const auto a = labelColumn("a", 0);
  const auto tall = labelColumn("Tall", 0);
  const auto c = labelColumn("c", 0);
  grid->Columns = {a, tall, c};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();

  EXPECT_EQ(grid->HeaderHeight, 14);
  EXPECT_EQ(a->header->frame().size.height, 8);  // set before the taller title was measured
  EXPECT_EQ(tall->header->frame().size.height, 14);
  EXPECT_EQ(c->header->frame().size.height, 14);
  EXPECT_EQ(testing::headerStripOf(*a)->frame().size.height, 14);
  EXPECT_EQ(scrollViewOf(*grid)->frame().origin.y, 14);

  tall->Title = "short";
  grid->DataBind();
  EXPECT_EQ(grid->HeaderHeight, 14);
  EXPECT_EQ(a->header->frame().size.height, 14);
}

TEST(HeaderBinding, AutoSizeByTitleTakesTheTitleWidth) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  const auto named = labelColumn("Name", 0);
  named->AutoSizeType = DataGridAutoSizeTypeTitle;
  const auto untitled = labelColumn("", 0);
  untitled->Title = std::nullopt;
  untitled->AutoSizeType = DataGridAutoSizeTypeTitle;
  const auto otherValue = labelColumn("Name", 0);
  otherValue->AutoSizeType = static_cast<DataGridAutoSizeType>(7);
  grid->Columns = {named, untitled, otherValue};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  EXPECT_EQ(named->Width, 20);
  EXPECT_EQ(untitled->Width, 0);
  EXPECT_EQ(otherValue->Width, 70);
}

TEST(HeaderBinding, AutoSizeByContentMeasuresEachKind) {
  const auto metrics = fixedMetrics();
  UIImage::registerImage("badge", std::make_shared<UIImage>(std::make_shared<CGImage>(
                                      30, 16, std::vector<std::uint32_t>(30 * 16, 0xFF000000u))));
  struct Case {
    const char* kind;
    std::shared_ptr<DataGridColumn> column;
    CGFloat width;
    CGFloat rowHeight;
  };
  const Case cases[] = {
      {"label", std::make_shared<DataGridLabelColumn>(), 40, 12},
      {"text field", std::make_shared<DataGridTextFieldColumn>(), 40, 22},
      {"text view", std::make_shared<DataGridTextViewColumn>(), 40, 22},
      {"button", std::make_shared<DataGridButtonColumn>(), 40, 22},
      {"image", std::make_shared<DataGridImageColumn>(), 30, 16},
      {"switch", std::make_shared<DataGridSwitchColumn>(), 51, 31},
      {"slider", std::make_shared<DataGridSliderColumn>(), 118, 31},
      {"date picker", std::make_shared<DataGridDatePickerColumn>(), 320, 216},
      {"picker", std::make_shared<DataGridPickerColumn>(), 320, 216},
  };
  for (const Case& c : cases) {
    const auto grid = makeGrid();
    c.column->dataFieldIndex = 0;
    c.column->AutoSizeType = DataGridAutoSizeTypeContent;
    grid->Columns = {c.column};
    grid->DataSource = makeRecords({{"ab"}, {"abcdefgh"}, {"badge"}});
    grid->DataBind();
    EXPECT_EQ(c.column->Width, c.width) << c.kind;
    EXPECT_EQ(grid->RowHeight, c.rowHeight) << c.kind;
  }
  UIImage::registerImage("badge", nullptr);
}

TEST(HeaderBinding, AutoSizeByContentWithNoRecordsGivesWidthZero) {
  const auto grid = makeGrid();
  const auto column = std::make_shared<DataGridTextFieldColumn>();
  column->dataFieldIndex = 0;
  column->AutoSizeType = DataGridAutoSizeTypeContent;
  grid->Columns = {column};
  grid->DataSource = Value::newArray();
  grid->DataBind();
  EXPECT_EQ(column->Width, 0);
  EXPECT_EQ(grid->RowHeight, 5);
}

TEST(HeaderBinding, ContentMeasurementAdoptsTheTemplateFont) {
  std::vector<std::string> fontsUsed;
  ScopedTextMeasurer metrics([&](std::string_view text, const UIFont& font) {
    fontsUsed.push_back(font.fontName());
    return CGSize{static_cast<CGFloat>(text.size()) * 5, 12};
  });
  const auto grid = makeGrid();
  const auto column = labelColumn("T", 0);
  column->AutoSizeType = DataGridAutoSizeTypeContent;
  const auto courier = UIFont::fontWithName("Courier", 9);
  column->cellTemplate->setFont(courier);
  grid->Columns = {column};
  grid->DataSource = makeRecords({{"abc"}});
  grid->DataBind();
  EXPECT_EQ(column->font, courier);
  EXPECT_EQ(fontsUsed.back(), "Courier");
}

// A column left at field -1, or records shorter than its field, must not end the bind.
TEST(HeaderBinding, ContentMeasurementSkipsRecordsWithoutTheField) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  const auto second = labelColumn("Second", 1);
  second->AutoSizeType = DataGridAutoSizeTypeContent;
  const auto unassigned = labelColumn("None", -1);
  unassigned->AutoSizeType = DataGridAutoSizeTypeContent;
  const auto after = labelColumn("After", 0);
  grid->Columns = {second, unassigned, after};
  grid->DataSource = makeRecords({{"a", "abcd"}, {"only one field"}});
  grid->DataBind();

  EXPECT_EQ(second->Width, 20);
  EXPECT_EQ(unassigned->Width, 0);
  EXPECT_EQ(after->header->frame(), CGRectMake(20, 0, 70, 12));
  EXPECT_NE(scrollViewOf(*grid), nullptr);
  ASSERT_NE(after->Cells, nullptr);
}

TEST(HeaderBinding, TitleLookFallsBackFromColumnToGrid) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
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
  grid->Columns = {plain, styled};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();

  const UILabel& plainTitle = *plain->header;
  EXPECT_EQ(plainTitle.text(), "Plain");
  EXPECT_EQ(plainTitle.backgroundColor(), gray);
  EXPECT_EQ(plainTitle.textColor(), UIColor::blackColor());
  EXPECT_EQ(plainTitle.font(), grid->HeaderFont);
  EXPECT_EQ(plainTitle.layer()->borderColor, gray->CGColor());
  EXPECT_EQ(plainTitle.layer()->borderWidth, 1.5);
  EXPECT_TRUE(plainTitle.userInteractionEnabled);

  const UILabel& styledTitle = *styled->header;
  EXPECT_EQ(styledTitle.backgroundColor(), red);
  EXPECT_EQ(styledTitle.textColor(), blue);
  EXPECT_EQ(styledTitle.font(), styled->HeaderFont);
  EXPECT_EQ(styledTitle.layer()->borderColor, blue->CGColor());
  EXPECT_EQ(styledTitle.layer()->borderWidth, 3);

  // What the bind writes back into the columns for their cells.
  EXPECT_EQ(plain->font, grid->datagridFont);
  EXPECT_EQ(plain->textColor, grid->foregroundColor);
  EXPECT_EQ(plain->backgroundColor(), UIColor::whiteColor());
  EXPECT_EQ(styled->textColor, clear);
}

TEST(HeaderBinding, ScrollViewFramesAndContentHeightInBothHeaderModes) {
  const auto metrics = fixedMetrics();
  struct Case {
    bool headerScrollHide;
    CGRect scrollFrame;
    CGFloat contentHeight;
  };
  for (const Case& c :
       {Case{false, CGRectMake(0, 12, 300, 188), 73}, Case{true, CGRectMake(0, 0, 300, 200), 85}}) {
    const auto grid = makeGrid(300, 200);
    grid->HeaderScrollHide = c.headerScrollHide;
    grid->RowHeight = 20;
    grid->rowBorderHeight = 1;
    const auto column = labelColumn("A", 0);
    grid->Columns = {column};
    grid->DataSource = makeRecords({{"1"}, {"2"}, {"3"}});
    grid->DataBind();

    const auto scroll = scrollViewOf(*grid);
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->frame(), c.scrollFrame);
    EXPECT_EQ(scroll->contentSize, CGSizeMake(300, c.contentHeight));
    EXPECT_EQ(scroll->delegate().get(), static_cast<UIScrollViewDelegate*>(grid.get()));
    UIView* strip = testing::headerStripOf(*column);
    EXPECT_EQ(strip->superview(), c.headerScrollHide ? static_cast<UIView*>(scroll.get()) : grid.get());
    EXPECT_EQ(grid->subviews().back(), scroll);
  }
}

TEST(HeaderBinding, NoRecordsShowNothingButStillUpdateTheColumns) {
  const auto metrics = fixedMetrics();
  for (const Value& records : {Value(), Value::newArray()}) {
    const auto grid = makeGrid();
    const auto column = labelColumn("Name", 0, 120);
    grid->Columns = {column};
    grid->DataSource = records;
    grid->DataBind();
    EXPECT_TRUE(grid->subviews().empty());
    EXPECT_EQ(column->Width, 70);
    EXPECT_EQ(column->header->text(), "Name");
    EXPECT_EQ(column->header->frame(), CGRectMake(0, 0, 70, 12));
    EXPECT_EQ(column->Cells, nullptr);
  }
}

TEST(HeaderBinding, EveryColumnGetsAFreshCellListHoweverMany) {
  const auto grid = makeGrid();
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

TEST(HeaderBinding, FailedBindEndsQuietlyOnlyForPlatformExceptions) {
  const auto grid = makeGrid();
  grid->Columns = {labelColumn("A", 0)};
  grid->DataSource = Value("not an array of records");
  EXPECT_NO_THROW(grid->DataBind());
  EXPECT_TRUE(grid->subviews().empty());

  ScopedTextMeasurer failing(
      [](std::string_view, const UIFont&) -> CGSize { throw std::runtime_error("host"); });
  grid->DataSource = makeRecords({{"x"}});
  EXPECT_THROW(grid->DataBind(), std::runtime_error);
}

class Counter {
 public:
  void count(UIGestureRecognizer&) { ++taps; }
  int taps = 0;
};

// Each bind replaces the grid's own title recognizer, so one tap reports the title once.
TEST(TitleTap, OneTapReportsTheTitleOnceAfterEveryBind) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  const auto recorder = std::make_shared<testing::TapRecorder>();
  grid->setDelegate(recorder);
  const auto host = std::make_shared<Counter>();
  const auto alpha = labelColumn("Alpha", 0);
  const auto beta = labelColumn("Beta", 0);
  beta->header->addGestureRecognizer(
      std::make_shared<UITapGestureRecognizer>(host, "count:", &Counter::count));
  grid->Columns = {alpha, beta};
  grid->DataSource = makeRecords({{"x"}});

  for (int bind = 1; bind <= 2; ++bind) {
    grid->DataBind();
    EXPECT_EQ(beta->header->gestureRecognizers().size(), 2u);
    EXPECT_EQ(tapAt(*grid, CGPointMake(100, 6)), 2);  // the grid's and the host's
    ASSERT_EQ(recorder->titleTaps.size(), static_cast<std::size_t>(bind));
    EXPECT_EQ(recorder->titleTaps.back().column, 1);
    EXPECT_EQ(recorder->titleTaps.back().value, Value("Beta"));
    EXPECT_EQ(host->taps, bind);
  }
}

TEST(TitleTap, ReachesTheDelegateWhenTheHeaderScrollsToo) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  grid->HeaderScrollHide = true;
  const auto recorder = std::make_shared<testing::TapRecorder>();
  grid->setDelegate(recorder);
  grid->Columns = {labelColumn("Alpha", 0), labelColumn("Beta", 0)};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  grid->Columns[0]->Title = "Renamed";  // the recognizer carries the title of the bind

  tapAt(*grid, CGPointMake(10, 6));
  ASSERT_EQ(recorder->titleTaps.size(), 1u);
  EXPECT_EQ(recorder->titleTaps[0].column, 0);
  EXPECT_EQ(recorder->titleTaps[0].value, Value("Alpha"));
}

TEST(TitleTap, DelegateHearsOnlyWhatItImplements) {
  struct CellsOnly : DataGridDelegate {
    void datagridCellTapped(UIDataGrid&, int, int, const Value&) override { ++calls; }
    int calls = 0;
  };
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  const auto cellsOnly = std::make_shared<CellsOnly>();
  grid->setDelegate(cellsOnly);
  grid->Columns = {labelColumn("Alpha", 0)};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  EXPECT_EQ(tapAt(*grid, CGPointMake(10, 6)), 1);
  EXPECT_EQ(cellsOnly->calls, 0);
}

TEST(TitleTap, HostFailureOrAReleasedDelegateEndsTheTapQuietly) {
  struct Failing : DataGridDelegate {
    void datagridColumnTitleTapped(UIDataGrid&, int, const Value&) override {
      raiseException(NSGenericException, "host failure");
    }
  };
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  auto failing = std::make_shared<Failing>();
  grid->setDelegate(failing);
  grid->Columns = {labelColumn("Alpha", 0)};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  EXPECT_NO_THROW(tapAt(*grid, CGPointMake(10, 6)));
  failing.reset();
  EXPECT_NO_THROW(tapAt(*grid, CGPointMake(10, 6)));
}

}  // namespace
}  // namespace tarnavel
