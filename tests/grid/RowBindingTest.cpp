#include <gtest/gtest.h>

#include "GridTestSupport.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;
using testing::scrollViewOf;
using testing::stripFramesIn;

TEST(RowBinding, CellsAndRowStripsStackByRowHeightAndBorder) {
  const auto metrics = testing::fixedMetrics();
  struct Case {
    bool headerScrollHide;
    CGFloat top;
  };
  for (const Case& c : {Case{false, 0}, Case{true, 15}}) {
    const auto grid = makeGrid();
    grid->HeaderScrollHide = c.headerScrollHide;
    grid->HeaderHeight = 15;
    grid->RowHeight = 20;
    grid->rowBorderHeight = 2;
    grid->rowBorderColor = UIColor::grayColor();
    const auto column = labelColumn("A", 0);
    grid->Columns = {column};
    grid->DataSource = makeRecords({{"one"}, {"two"}});
    grid->DataBind();

    ASSERT_EQ(column->Cells->size(), 2u);
    EXPECT_EQ((*column->Cells)[0]->frame(), CGRectMake(0, c.top, 70, 20));
    EXPECT_EQ((*column->Cells)[1]->frame(), CGRectMake(0, c.top + 22, 70, 20));
    const auto strips = stripFramesIn(*scrollViewOf(*grid));
    EXPECT_EQ(strips,
              (std::vector<CGRect>{CGRectMake(0, c.top + 20, 70, 2), CGRectMake(0, c.top + 42, 70, 2)}));
  }
}

TEST(RowBinding, ColumnStripsSeparateCellsAndSetTheContentWidth) {
  const auto grid = makeGrid(100, 200);
  grid->ColumnsWidth = 0;
  grid->RowHeight = 20;
  grid->columnBorderWidth = 1;
  const auto a = labelColumn("A", 0, 70);
  const auto b = labelColumn("B", 1, 50);
  grid->Columns = {a, b};
  grid->DataSource = makeRecords({{"a", "b"}});
  grid->DataBind();

  EXPECT_EQ(cellAt<DataGridLabelCell>(*a, 0)->frame().origin.x, 0);
  EXPECT_EQ(cellAt<DataGridLabelCell>(*b, 0)->frame().origin.x, 71);
  const auto scroll = scrollViewOf(*grid);
  EXPECT_EQ(stripFramesIn(*scroll),
            (std::vector<CGRect>{CGRectMake(70, 0, 1, 20), CGRectMake(121, 0, 1, 20)}));
  EXPECT_EQ(scroll->contentSize.width, 122);
  EXPECT_EQ(grid->frame(), CGRectMake(0, 0, 122, 200));  // the grid widens to its content
}

TEST(RowBinding, GridWidensToTheLastRecordButNeverNarrows) {
  struct Case {
    CGFloat columnWidth;
    CGFloat contentWidth;
  };
  for (const Case& c : {Case{450, 450}, Case{200, 300}}) {
    const auto grid = makeGrid(300, 100);
    grid->ColumnsWidth = 0;
    grid->Columns = {labelColumn("A", 0, c.columnWidth)};
    grid->DataSource = makeRecords({{"x"}});
    grid->DataBind();
    EXPECT_EQ(scrollViewOf(*grid)->contentSize.width, c.contentWidth);
    EXPECT_EQ(grid->frame().size.width, c.contentWidth);
  }
}

// A record that lacks a column's field leaves that slot empty; the cells after it stay under their titles.
TEST(RowBinding, MissingFieldsLeaveEmptySlotsThatKeepTheirWidth) {
  class OwnColumn : public DataGridColumn {
   public:
    OwnColumn() : DataGridColumn(CGRectZero) { dataFieldIndex = 0; }
  };
  const auto grid = makeGrid(100, 100);
  grid->ColumnsWidth = 0;
  grid->columnBorderWidth = 1;
  const auto first = labelColumn("First", 0, 40);
  const auto second = labelColumn("Second", 1, 30);
  const auto negative = labelColumn("Negative", -1, 20);
  const auto own = std::make_shared<OwnColumn>();
  own->Width = 10;
  const auto last = labelColumn("Last", 0, 50);
  grid->Columns = {first, second, negative, own, last};
  grid->DataSource = makeRecords({{"a", "b"}, {"a"}});
  grid->DataBind();

  ASSERT_EQ(second->Cells->size(), 1u);
  EXPECT_TRUE(negative->Cells->empty());
  EXPECT_TRUE(own->Cells->empty());
  ASSERT_EQ(last->Cells->size(), 2u);
  EXPECT_EQ((*last->Cells)[0]->frame().origin.x, last->frame().origin.x);
  EXPECT_EQ((*last->Cells)[1]->frame().origin.x, last->frame().origin.x);
  EXPECT_EQ(last->frame().origin.x, 104);
  EXPECT_EQ(scrollViewOf(*grid)->contentSize.width, 155);
}

TEST(RowBinding, HiddenColumnsTakeNoRoomAndGetAnEmptyList) {
  const auto grid = makeGrid();
  const auto hidden = labelColumn("H", 0);
  hidden->setHidden(true);
  const auto shown = labelColumn("S", 0);
  grid->Columns = {hidden, shown};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  ASSERT_NE(hidden->Cells, nullptr);
  EXPECT_TRUE(hidden->Cells->empty());
  EXPECT_EQ(cellAt<DataGridLabelCell>(*shown, 0)->frame().origin.x, 0);
}

TEST(RowBinding, CellsJoinTheScrollViewAndTheColumnListInRowOrder) {
  const auto grid = makeGrid();
  const auto column = labelColumn("A", 0);
  grid->Columns = {column};
  grid->DataSource = makeRecords({{"r0"}, {"r1"}, {"r2"}});
  grid->DataBind();
  ASSERT_EQ(column->Cells->size(), 3u);
  for (std::size_t r = 0; r < 3; ++r) {
    const auto cell = cellAt<DataGridLabelCell>(*column, r);
    EXPECT_EQ(cell->superview(), scrollViewOf(*grid).get());
    EXPECT_EQ(cell->subviews().front(), cell->label);
    EXPECT_EQ(cell->label->text(), "r" + std::to_string(r));
  }
}

TEST(RowBinding, SecondBindReplacesEveryCell) {
  const auto grid = makeGrid();
  const auto column = labelColumn("A", 0);
  grid->Columns = {column};
  grid->DataSource = makeRecords({{"x"}, {"y"}});
  grid->DataBind();
  const auto firstCells = column->Cells;
  const auto firstScroll = scrollViewOf(*grid);
  grid->DataBind();
  ASSERT_EQ(column->Cells->size(), 2u);
  EXPECT_NE((*column->Cells)[0], (*firstCells)[0]);
  EXPECT_EQ(firstScroll->superview(), nullptr);
  EXPECT_EQ(scrollViewOf(*grid)->subviews().size(), 2u);
}

TEST(RowBinding, StripsAreColouredOnlyWhenTheirColourIsSet) {
  const auto red = UIColor::colorWithRed(1, 0, 0, 1);
  const auto grid = makeGrid();
  grid->rowBorderHeight = 1;
  grid->columnBorderWidth = 1;
  grid->columnBorderColor = red;
  grid->Columns = {labelColumn("A", 0)};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  std::vector<std::shared_ptr<UIColor>> colours;
  for (const auto& child : scrollViewOf(*grid)->subviews()) {
    if (!dynamic_cast<DataGridCell*>(child.get())) colours.push_back(child->backgroundColor());
  }
  EXPECT_EQ(colours, (std::vector<std::shared_ptr<UIColor>>{nullptr, red}));
}

TEST(RowBinding, PlainLabelCellsMakeNoSideBlocks) {
  // A grid's many label cells stay small: binding them, with the columns' default templates and an odd-row
  // colour, writes none of the properties kept aside for the few views and layers that set them.
  auto grid = makeGrid();
  grid->Columns = {labelColumn("A", 0), labelColumn("B", 1)};
  grid->alternatingBackgroundColor = UIColor::lightGrayColor();
  grid->DataSource = makeRecords({{"a0", "b0"}, {"a1", "b1"}});
  grid->DataBind();
  for (const auto& column : grid->Columns) {
    for (std::size_t row = 0; row < 2; ++row) {
      SCOPED_TRACE(column->Title.value_or("") + " row " + std::to_string(row));
      const auto cell = cellAt<DataGridLabelCell>(*column, row);
      ASSERT_TRUE(cell);
      for (const UIView* view :
           {static_cast<const UIView*>(cell.get()), static_cast<const UIView*>(cell->label.get())}) {
        EXPECT_FALSE(view->hasRareProperties());
        EXPECT_FALSE(view->hasAccessibilityTexts()) << "a label cell carries its place on its recognizer";
        EXPECT_FALSE(view->layer()->hasRareProperties());
      }
      EXPECT_FALSE(cell->label->hasRareLabelProperties());
    }
  }
}

}  // namespace
}  // namespace tarnavel
