#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "GridTestSupport.h"

namespace tarnavel::testing {
namespace {

TEST(RowBinding, CellsAndRowStripsStackByRowHeightAndBorder) {
  const auto metrics = fixedMetrics();
  for (const auto& [headerScrollHide, top] : {std::pair{false, 0.0}, {true, 15.0}}) {
    const auto grid = makeGrid();
    grid->HeaderScrollHide = headerScrollHide;
    grid->HeaderHeight = 15;
    grid->RowHeight = 20;
    grid->rowBorderHeight = 2;
    grid->rowBorderColor = UIColor::grayColor();
    const auto column = labelColumn("A", 0);
    bind(*grid, {column}, makeRecords({{"one"}, {"two"}}));

    ASSERT_EQ(column->Cells->size(), 2u);
    for (std::size_t r = 0; r < 2; ++r) {
      const auto cell = cellAt<DataGridLabelCell>(*column, r);
      EXPECT_EQ(cell->frame(), CGRectMake(0, top + 22.0 * r, 70, 20));
      EXPECT_EQ(cell->superview(), scrollViewOf(*grid).get());
      EXPECT_EQ(cell->subviews().front(), cell->label);
    }
    EXPECT_EQ(cellAt<DataGridLabelCell>(*column, 1)->label->text(), "two");
    EXPECT_EQ(stripFramesIn(*scrollViewOf(*grid)),
              (std::vector<CGRect>{CGRectMake(0, top + 20, 70, 2), CGRectMake(0, top + 42, 70, 2)}));
    EXPECT_EQ(scrollViewOf(*grid)->subviews().back()->backgroundColor(), UIColor::grayColor());
    EXPECT_EQ(scrollViewOf(*grid)->contentSize.width, 300) << "the grid never narrows to its content";
    EXPECT_EQ(grid->frame().size.width, 300);
  }
}

TEST(RowBinding, ColumnStripsSeparateCellsAndTheGridWidensToItsContent) {
  const auto grid = makeGrid(100, 200);
  grid->ColumnsWidth = 0;
  grid->RowHeight = 20;
  grid->columnBorderWidth = 1;
  const auto a = labelColumn("A", 0, 70);
  const auto b = labelColumn("B", 1, 50);
  bind(*grid, {a, b}, makeRecords({{"a", "b"}}));

  EXPECT_EQ(cellAt<DataGridLabelCell>(*a, 0)->frame().origin.x, 0);
  EXPECT_EQ(cellAt<DataGridLabelCell>(*b, 0)->frame().origin.x, 71);
  const auto scroll = scrollViewOf(*grid);
  EXPECT_EQ(stripFramesIn(*scroll),
            (std::vector<CGRect>{CGRectMake(70, 0, 1, 20), CGRectMake(121, 0, 1, 20)}));
  EXPECT_EQ(scroll->subviews().back()->backgroundColor(), nullptr) << "a strip without a colour has none";
  EXPECT_EQ(scroll->contentSize.width, 122);
  EXPECT_EQ(grid->frame(), CGRectMake(0, 0, 122, 200));  // the grid widens to its content
}

TEST(RowBinding, StripsAreColouredOnlyWhenTheirColourIsSet) {
  const auto red = UIColor::colorWithRed(1, 0, 0, 1);
  const auto grid = makeGrid();
  grid->rowBorderHeight = 1;
  grid->columnBorderWidth = 1;
  grid->columnBorderColor = red;
  bind(*grid, {labelColumn("A", 0)}, makeRecords({{"x"}}));
  Colors colours;
  for (const auto& child : scrollViewOf(*grid)->subviews()) {
    if (!dynamic_cast<DataGridCell*>(child.get())) colours.push_back(child->backgroundColor());
  }
  EXPECT_EQ(colours, (Colors{nullptr, red}));  // the row strip under the cell, then the column strip
}

// A record that lacks a column's field leaves that slot empty; the cells after it stay under their titles.
// A null column takes no room, and a column of no known kind makes no cell and no strip under it.
TEST(RowBinding, MissingFieldsLeaveEmptySlotsThatKeepTheirWidth) {
  class OwnColumn : public DataGridColumn {
   public:
    OwnColumn() : DataGridColumn(CGRectZero) { dataFieldIndex = 0; }
  };
  const auto grid = makeGrid(100, 100);
  grid->ColumnsWidth = 0;
  grid->columnBorderWidth = 1;
  grid->rowBorderHeight = 1;
  const auto first = columnOf<DataGridImageColumn>(0, 40);
  const auto second = labelColumn("Second", 1, 30);
  const auto negative = labelColumn("Negative", -1, 20);
  const auto own = std::make_shared<OwnColumn>();
  own->Width = 10;
  const auto last = columnOf<DataGridDatePickerColumn>(0, 50);
  first->cellTemplate = nullptr;  // templates are optional
  last->cellTemplate = nullptr;
  bind(*grid, {first, nullptr, second, negative, own, last}, makeRecords({{"a", "b"}, {"a"}}));

  ASSERT_EQ(first->Cells->size(), 2u);
  ASSERT_EQ(second->Cells->size(), 1u);
  EXPECT_TRUE(negative->Cells->empty());
  EXPECT_TRUE(own->Cells->empty());
  ASSERT_EQ(last->Cells->size(), 2u);
  EXPECT_EQ(last->frame().origin.x, 104);
  EXPECT_EQ((*last->Cells)[0]->frame().origin.x, 104);
  EXPECT_EQ((*last->Cells)[1]->frame().origin.x, 104);
  EXPECT_EQ(scrollViewOf(*grid)->contentSize.width, 155);
  EXPECT_EQ(stripFramesIn(*scrollViewOf(*grid)).size(), 2 * 5 + 5u)
      << "a strip beside every column, under every cell";
}

TEST(RowBinding, ABindReplacesEveryCellAndReleasesWhatItNoLongerShows) {
  const auto grid = makeGrid();
  Columns columns;
  for (NSInteger c = 0; c < 8; ++c)
    columns.push_back(labelColumn("C", c));
  const Value records =
      makeRecords({{"a", "b", "c", "d", "e", "f", "g", "h"}, {"a", "b", "c", "d", "e", "f", "g", "h"}});
  bind(*grid, columns, records);
  const auto firstCells = columns[0]->Cells;
  std::vector<std::weak_ptr<DataGridCell>> droppedCells;
  for (std::size_t c = 1; c < 8; ++c)
    droppedCells.push_back(cellAt<DataGridCell>(*columns[c], 0));
  const std::weak_ptr<UIScrollView> firstScroll = scrollViewOf(*grid);

  columns.resize(1);  // the host drops seven columns and binds again
  bind(*grid, columns, records);
  ASSERT_EQ(columns[0]->Cells->size(), 2u);
  EXPECT_NE((*columns[0]->Cells)[0], (*firstCells)[0]);
  EXPECT_EQ(scrollViewOf(*grid)->subviews().size(), 2u);
  for (const auto& cell : droppedCells)
    EXPECT_TRUE(cell.expired());
  EXPECT_TRUE(firstScroll.expired());

  // Without records the grid shows no scroll view and keeps none.
  const std::weak_ptr<UIScrollView> secondScroll = scrollViewOf(*grid);
  ASSERT_FALSE(secondScroll.expired());
  bind(*grid, columns, Value::newArray());
  EXPECT_TRUE(secondScroll.expired());
}

// Content measurement skips records without the field too, so that they do not end the bind.
TEST(RowBinding, RecordsThatAreNotArraysBindAsRecordsWithoutFields) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  const auto name = labelColumn("Name", 0);
  name->AutoSizeType = DataGridAutoSizeTypeContent;
  const auto unassigned = labelColumn("None", -1);
  unassigned->AutoSizeType = DataGridAutoSizeTypeContent;
  const auto toggle = columnOf<DataGridSwitchColumn>(1);
  Value records = makeRecords({{"Ann", "1"}});
  for (const Value& odd : {Value("a text"), Value(42), Value::newDictionary({{"Name", Value("Bob")}})})
    records.append(odd);
  records.append(Value::newArray({Value("Christopher"), Value("0")}));
  bind(*grid, {name, unassigned, toggle}, records);

  ASSERT_TRUE(scrollViewOf(*grid)) << "the valid rows are shown";
  ASSERT_EQ(name->Cells->size(), 2u);
  EXPECT_EQ(cellAt<DataGridLabelCell>(*name, 1)->frame().origin.y, 4 * grid->RowHeight);
  EXPECT_FALSE(cellAt<DataGridSwitchCell>(*toggle, 1)->Switch->on);
  EXPECT_EQ(name->Width, 55);  // content measurement skipped the odd records and measured "Christopher"
  EXPECT_EQ(unassigned->Width, 0);

  grid->DataSource = Value("not an array of records");
  EXPECT_NO_THROW(grid->DataBind());
  EXPECT_TRUE(grid->subviews().empty());
}

TEST(RowBinding, HugeSizesSaturateSoTheBindCompletesAndADragStaysFinite) {
  constexpr CGFloat huge = std::numeric_limits<CGFloat>::max();
  const auto grid = makeGrid();
  grid->ColumnsWidth = 0;
  grid->RowHeight = huge;
  grid->HeaderScrollHide = true;
  bind(*grid, {labelColumn("A", 0, huge), labelColumn("B", 0, huge)}, makeRecords({{"1"}, {"2"}}));
  EXPECT_FALSE(grid->lastSwallowedException());
  const auto scroll = scrollViewOf(*grid);
  ASSERT_TRUE(scroll);
  EXPECT_EQ(scroll->contentSize, CGSizeMake(huge, huge));
  scroll->drag({{0, -1.49e307}}, {huge, huge});
  EXPECT_TRUE(std::isfinite(scroll->contentOffset().x) && std::isfinite(scroll->contentOffset().y));
  EXPECT_FALSE(grid->lastSwallowedException());
}

TEST(RowBinding, AGridNoSharedPointerHoldsBindsWithoutItsOwnRecognizersOrActions) {
  UIDataGrid grid(CGRectMake(0, 0, 300, 200));
  const auto toggle = columnOf<DataGridSwitchColumn>(0);
  const auto picker = columnOf<DataGridPickerColumn>(0);
  const auto text = columnOf<DataGridTextFieldColumn>(0);
  EXPECT_NO_THROW(bind(grid, {toggle, picker, text}, makeRecords({{"1"}})));

  const auto cell = cellAt<DataGridSwitchCell>(*toggle, 0);
  ASSERT_TRUE(cell);
  EXPECT_TRUE(cell->Switch->gestureRecognizers().empty());
  EXPECT_TRUE(cell->Switch->actions().empty());
  EXPECT_EQ(cell->Switch->accessibilityHint(), "0") << "the carriers are still there";
  EXPECT_EQ(cellAt<DataGridPickerCell>(*picker, 0)->picker->delegate(), nullptr);
  EXPECT_TRUE(cellAt<DataGridTextFieldCell>(*text, 0)->textField->actions().empty());
  EXPECT_TRUE(toggle->header->gestureRecognizers().empty());
}

}  // namespace
}  // namespace tarnavel::testing
