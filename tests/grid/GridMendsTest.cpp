#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "GridTestSupport.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::fixedMetrics;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;
using testing::scrollViewOf;

TEST(GridMends, AControlWithAnAnchorOutsideTheEnumerationIsCentred) {
  const auto grid = makeGrid();
  grid->RowHeight = 20;
  auto toggle = std::make_shared<DataGridSwitchColumn>();
  toggle->dataFieldIndex = 0;
  toggle->cellSize = CGSizeMake(40, 10);
  toggle->cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(9);
  grid->Columns = {toggle};
  grid->DataSource = makeRecords({{"1"}});
  grid->DataBind();
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*toggle, 0)->Switch->frame(), CGRectMake(15, 5, 40, 10));
}

TEST(GridMends, AControlWithoutAWidthOrHeightStaysUnscaledInTheMiddleOfItsCell) {
  const auto grid = makeGrid();
  grid->ColumnsWidth = 0;
  grid->RowHeight = 20;
  // A slider takes its cell's size, so a column 0 wide makes a slider without a width.
  auto slider = std::make_shared<DataGridSliderColumn>();
  slider->dataFieldIndex = 0;
  slider->Width = 0;
  auto after = std::make_shared<DataGridSwitchColumn>();
  after->dataFieldIndex = 0;
  grid->Columns = {slider, after};
  grid->DataSource = makeRecords({{"1"}});
  grid->DataBind();
  const UISlider& control = *cellAt<DataGridSliderCell>(*slider, 0)->slider;
  EXPECT_EQ(control.frame(), CGRectMake(0, 0, 0, 20));
  EXPECT_TRUE(CGAffineTransformIsIdentity(control.transform()));
  ASSERT_TRUE(cellAt<DataGridSwitchCell>(*after, 0)) << "the bind went on";
  EXPECT_TRUE(scrollViewOf(*grid));
}

TEST(GridMends, HugeSizesSaturateSoTheBindCompletesAndADragStaysFinite) {
  constexpr CGFloat huge = std::numeric_limits<CGFloat>::max();
  const auto grid = makeGrid();
  grid->ColumnsWidth = 0;
  grid->RowHeight = huge;
  grid->HeaderScrollHide = true;
  grid->Columns = {labelColumn("A", 0, huge), labelColumn("B", 0, huge)};
  grid->DataSource = makeRecords({{"1"}, {"2"}});
  grid->DataBind();
  EXPECT_FALSE(grid->lastSwallowedException());
  const auto scroll = scrollViewOf(*grid);
  ASSERT_TRUE(scroll);
  EXPECT_EQ(scroll->contentSize, CGSizeMake(huge, huge));
  scroll->drag({{0, -1.49e307}}, {huge, huge});
  EXPECT_TRUE(std::isfinite(scroll->contentOffset().x) && std::isfinite(scroll->contentOffset().y));
  EXPECT_FALSE(grid->lastSwallowedException());
}

TEST(GridMends, RecordsThatAreNotArraysBindAsRecordsWithoutFields) {
  const auto metrics = fixedMetrics();
  const auto grid = makeGrid();
  auto name = labelColumn("Name", 0);
  name->AutoSizeType = DataGridAutoSizeTypeContent;
  auto toggle = std::make_shared<DataGridSwitchColumn>();
  toggle->dataFieldIndex = 1;
  grid->Columns = {name, toggle};
  Value records = makeRecords({{"Ann", "1"}});
  records.append(Value("a text"));
  records.append(Value(42));
  records.append(Value::newDictionary({{"Name", Value("Bob")}}));
  records.append(Value::newArray({Value("Christopher"), Value("0")}));
  grid->DataSource = records;
  grid->DataBind();

  ASSERT_TRUE(scrollViewOf(*grid)) << "the valid rows are shown";
  ASSERT_EQ(name->Cells->size(), 2u);
  EXPECT_EQ(cellAt<DataGridLabelCell>(*name, 1)->frame().origin.y, 4 * grid->RowHeight);
  EXPECT_FALSE(cellAt<DataGridSwitchCell>(*toggle, 1)->Switch->on);
  // Content measurement skipped the odd records and measured "Christopher".
  EXPECT_EQ(name->Width, 55);
}

TEST(GridMends, ABindReleasesTheCellsAndScrollViewItNoLongerShows) {
  const auto grid = makeGrid();
  std::vector<std::shared_ptr<DataGridColumn>> columns;
  for (NSInteger c = 0; c < 8; ++c)
    columns.push_back(labelColumn("C", c));
  grid->Columns = columns;
  grid->DataSource =
      makeRecords({{"a", "b", "c", "d", "e", "f", "g", "h"}, {"a", "b", "c", "d", "e", "f", "g", "h"}});
  grid->DataBind();
  std::vector<std::weak_ptr<DataGridCell>> droppedCells;
  for (std::size_t c = 1; c < 8; ++c)
    droppedCells.push_back(cellAt<DataGridCell>(*columns[c], 0));
  const std::weak_ptr<UIScrollView> firstScroll = scrollViewOf(*grid);

  // The host drops seven columns and binds again.
  columns.resize(1);
  grid->Columns = columns;
  grid->DataBind();
  for (const auto& cell : droppedCells)
    EXPECT_TRUE(cell.expired());
  EXPECT_TRUE(firstScroll.expired());

  // Without records the grid shows no scroll view and keeps none.
  const std::weak_ptr<UIScrollView> secondScroll = scrollViewOf(*grid);
  ASSERT_FALSE(secondScroll.expired());
  grid->DataSource = Value::newArray();
  grid->DataBind();
  EXPECT_TRUE(secondScroll.expired());
}

TEST(GridMends, AGridNoSharedPointerHoldsBindsWithoutItsOwnRecognizersOrActions) {
  UIDataGrid grid(CGRectMake(0, 0, 300, 200));
  auto toggle = std::make_shared<DataGridSwitchColumn>();
  toggle->dataFieldIndex = 0;
  auto picker = std::make_shared<DataGridPickerColumn>();
  picker->dataFieldIndex = 0;
  auto text = std::make_shared<DataGridTextFieldColumn>();
  text->dataFieldIndex = 0;
  grid.Columns = {toggle, picker, text};
  grid.DataSource = makeRecords({{"1"}});
  EXPECT_NO_THROW(grid.DataBind());

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
}  // namespace tarnavel
