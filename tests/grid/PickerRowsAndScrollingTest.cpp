#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "platform/RenderingTestSupport.h"

namespace tarnavel::testing {
namespace {

Value entries(std::initializer_list<Value> texts) {
  return Value::newArray(texts);
}

/// A grid bound with one picker column over two records; `picker` is the second record's picker.
struct PickerGrid {
  std::shared_ptr<UIDataGrid> grid = makeGrid(400, 600);
  std::shared_ptr<DataGridPickerColumn> column = columnOf<DataGridPickerColumn>(0);
  std::shared_ptr<UIPickerView> picker;

  explicit PickerGrid(Value list = entries({"red", "green", "blue"})) { column->pickerDataSource = list; }
  PickerGrid& bind(Value records = makeRecords({{"red"}, {"blue"}})) {
    testing::bind(*grid, {column}, records);
    const auto cell = cellAt<DataGridPickerCell>(*column, 1);
    picker = cell ? cell->picker : nullptr;
    return *this;
  }
  std::shared_ptr<UILabel> rowLabel(NSInteger row) {
    return std::dynamic_pointer_cast<UILabel>(grid->viewForRow(*picker, row, 0, nullptr));
  }
};

TEST(GridPickerRows, RowCountAndHeightReadTheColumnAfreshWithFallbacks) {
  PickerGrid g;
  g.bind();
  ASSERT_TRUE(g.picker);
  EXPECT_EQ(g.grid->numberOfComponentsInPickerView(*g.picker), 1);
  for (const auto& [list, rows] : {std::pair{entries({}), 1},
                                   {entries({"a"}), 1},
                                   {entries({"a", "b"}), 2},
                                   {entries({"a", "b", "c", "d", "e"}), 5},
                                   {Value("not a list"), 1}}) {
    g.column->pickerDataSource = list;
    EXPECT_EQ(g.grid->numberOfRowsInComponent(*g.picker, 0), rows) << list.description();
  }
  // Row 0 of an empty list: a label styled by the template, without text.
  const auto amber = UIColor::colorWithRed(1, 0.75, 0, 1);
  g.column->cellLabelTemplate->setBackgroundColor(amber);
  g.column->pickerDataSource = entries({});
  EXPECT_FALSE(g.rowLabel(0)->text());
  EXPECT_EQ(g.rowLabel(0)->backgroundColor(), amber);
  EXPECT_EQ(g.grid->lastSwallowedException().value().name(), NSRangeException);
  g.grid->RowHeight = 30;
  for (const auto& [own, height] : {std::pair{0.0, 15.0}, {22.0, 22.0}, {-4.0, -4.0}}) {
    g.column->pickerRowHeight = own;
    EXPECT_EQ(g.grid->rowHeightForComponent(*g.picker, 7), height);
  }
  // Columns replaced since the bind: no picker column where the picker says.
  g.column->pickerDataSource = entries({"a", "b"});
  for (const auto& replaced : {Columns{}, {labelColumn("L", 0)}}) {
    g.grid->Columns = replaced;
    EXPECT_EQ(g.grid->numberOfRowsInComponent(*g.picker, 0), 1);
    EXPECT_EQ(g.grid->rowHeightForComponent(*g.picker, 0), 15);
    EXPECT_FALSE(g.rowLabel(0)->text());
  }
}

TEST(GridPickerRows, LabelStyledFromColumnThenTemplateShowsTheEntry) {
  const auto verdana9 = UIFont::fontWithName("Verdana", 9);
  const auto verdana14 = UIFont::fontWithName("Verdana", 14);
  const auto platformFont = UILabel().font();
  const auto green = UIColor::colorWithRed(0, 1, 0, 1);
  const auto blue = UIColor::colorWithRed(0, 0, 1, 1);
  const auto unsetFont = kDataGridUnsetFont();
  const auto unsetColor = kDataGridUnsetColor();
  for (const auto& [columnFont, templateFont, templateBackground, font, background] :
       {std::tuple{unsetFont, unsetFont, unsetColor, platformFont, green},
        {unsetFont, verdana14, unsetColor, verdana14, green},
        {verdana9, unsetFont, blue, verdana9, blue},
        {verdana9, verdana14, unsetColor, verdana14, green}}) {
    PickerGrid g;
    g.column->font = columnFont;
    g.column->setBackgroundColor(green);
    g.column->cellLabelTemplate->setFont(templateFont);
    g.column->cellLabelTemplate->setBackgroundColor(templateBackground);
    g.bind();
    for (NSInteger row = 0; row < 3; ++row) {
      const auto label = g.rowLabel(row);
      EXPECT_EQ(label->font(), font);
      EXPECT_EQ(label->backgroundColor(), background);
      EXPECT_EQ(label->textColor(), g.grid->foregroundColor);  // the bind gave it to the column
      EXPECT_EQ(label->frame(), g.picker->frame());
      EXPECT_EQ(label->text(), g.column->pickerDataSource.at(row).string());
    }
  }
}

// A host's failure there leaves the row its label.
TEST(GridPickerRows, HostViewsReplaceTheLabelOnlyWhereGiven) {
  PickerGrid g(entries({"a", "b", "c", "d"}));
  const auto host = std::make_shared<EventRecorder>();
  host->evenRowViews = true;
  g.grid->setDelegate(host);
  g.bind();
  std::vector<bool> labels;
  for (NSInteger row = 0; row < 4; ++row)
    labels.push_back(
        dynamic_cast<UILabel*>(g.grid->viewForRow(*g.picker, row, 3, std::make_shared<UIView>()).get()));
  EXPECT_EQ(labels, (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(host->events.front(), "row-view 1,0 0/3 reusing");
  host->raises = true;
  EXPECT_EQ(g.rowLabel(0)->text(), "a");
}

TEST(GridPickerRows, BoundPickerShowsTheSelectedEntryInItsMiddleRow) {
  // Short entries around a long one: only the selected entry's ink reaches far from the wheel's left side.
  PickerGrid g(entries({"i", "WWWWWWWWWW", "i"}));
  g.grid->ColumnsWidth = 0;
  g.column->Width = 320;
  g.column->font = UIFont::fontWithName("Verdana", 20);
  g.grid->RowHeight = 216;  // the picker's natural size: drawn unscaled, in rows of 108
  g.bind(makeRecords({{"i"}, {"WWWWWWWWWW"}}));
  const auto image = pixelsOf(*g.grid);
  const CGPoint at = g.picker->convertPointToView({0, 0}, g.grid.get());
  const auto inkIn = [&](int top, int bottom) {
    return inkPixels(*image, int(at.x) + 60, int(at.y) + top, int(at.x) + 160, int(at.y) + bottom);
  };
  EXPECT_GT(inkIn(60, 156), 50);  // the middle row spans 54..162
  EXPECT_EQ(inkIn(4, 50), 0);
  EXPECT_EQ(inkIn(166, 212), 0);
}

/// A bound grid of 20 rows 20 points high under a 10-point header, odd rows red, in a 200-point window, and
/// a recorder that expects to hear from its grid and scroll view.
struct ScrolledGrid {
  std::shared_ptr<UIDataGrid> grid = makeGrid(100, 210);
  std::shared_ptr<UIScrollView> scroll;
  std::shared_ptr<EventRecorder> host = std::make_shared<EventRecorder>();

  ScrolledGrid() {
    grid->RowHeight = 20;
    grid->HeaderHeight = 10;
    grid->alternatingBackgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
    Value records = Value::newArray();
    for (int i = 0; i < 20; ++i)
      records.append(Value::newArray({Value(std::to_string(i))}));
    bind(*grid, {labelColumn("N", 0)}, records);
    scroll = scrollViewOf(*grid);
    host->grid = grid.get();
    host->scroll = scroll.get();
    grid->setDelegate(host);
  }
};

// A host that fails misses no later call: its failure ends only the call it failed in.
TEST(ScrollForward, UserDragReachesTheHostInOrderWithTheGridFirst) {
  for (const bool raises : {false, true}) {
    ScrolledGrid g;
    ASSERT_TRUE(g.scroll);
    g.host->raises = raises;
    g.host->retarget = CGPointMake(0, 100);
    g.scroll->drag({{0, -15}, {0, -15}}, {0, 0.25});
    EXPECT_EQ(g.scroll->contentOffset(), CGPointMake(0, 100)) << "where the host moved the target";
    g.scroll->setContentOffset(CGPointMake(0, 0), true);
    EXPECT_EQ(g.host->events,
              (Events{"begin-drag", "did-scroll", "did-scroll", "end-drag 0.25", "ended-drag coasting",
                      "begin-coast", "did-scroll", "end-coast", "did-scroll", "end-animation"}))
        << raises;
    EXPECT_EQ(bool(g.grid->lastSwallowedException()), raises);
  }
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
}  // namespace tarnavel::testing
