#include <gtest/gtest.h>

#include "GridTestSupport.h"

namespace tarnavel::testing {
namespace {

// A 40 x 10 control in a 70 x 20 cell: where each anchor puts it; outside the enumeration, in the middle.
TEST(CellPlacement, EveryAnchorPlacesTheControlInItsCellUnlessOffsetsAreGiven) {
  const auto grid = makeGrid();
  DataGridLabelColumn column;
  column.cellSize = CGSizeMake(40, 10);
  const std::pair<NSUInteger, CGPoint> cases[] = {
      {DataGridCellLayoutPositionCenter, {15, 5}},        {DataGridCellLayoutPositionTopLeft, {0, 0}},
      {DataGridCellLayoutPositionTopCenter, {15, 0}},     {DataGridCellLayoutPositionTopRight, {30, 0}},
      {DataGridCellLayoutPositionMiddleLeft, {0, 5}},     {DataGridCellLayoutPositionBottomLeft, {0, 10}},
      {DataGridCellLayoutPositionBottomCenter, {15, 10}}, {DataGridCellLayoutPositionBottomRight, {30, 10}},
      {DataGridCellLayoutPositionMiddleRight, {30, 5}},   {9, {15, 5}}};
  for (const auto& [anchor, origin] : cases) {
    column.cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(anchor);
    EXPECT_EQ(grid->cellLayoutFrame(column, CGRectMake(0, 0, 70, 20)), (CGRect{origin, {40, 10}})) << anchor;
    EXPECT_EQ(grid->cellLayoutFrame(column, CGRectMake(100, 50, 70, 20)),
              (CGRect{{origin.x + 100, origin.y + 50}, {40, 10}}))
        << anchor;
  }
  column.cellLayoutPositionX = 3;
  EXPECT_EQ(grid->cellLayoutFrame(column, CGRectMake(0, 0, 70, 20)), CGRectMake(3, 0, 40, 10));
  column.cellLayoutPositionY = 2;
  EXPECT_EQ(grid->cellLayoutFrame(column, CGRectMake(100, 50, 70, 20)), CGRectMake(103, 52, 40, 10));
}

// Once an anchor gave offsets other than (0, 0), a later cell or anchor changes nothing; an anchor outside
// the enumeration stores the centre's offsets, where the text kinds put such a control too.
TEST(CellPlacement, StoredOffsetsComeFromTheFirstCellOnly) {
  const auto grid = makeGrid();
  // The offsets after a 70 x 20 cell, then after a 100 x 30 cell with the bottom-right anchor.
  for (const auto& [anchor, stored, later] :
       {std::tuple<NSUInteger, CGPoint, CGPoint>{DataGridCellLayoutPositionMiddleRight, {30, 5}, {30, 5}},
        {DataGridCellLayoutPositionTopLeft, {0, 0}, {60, 20}},
        {9, {15, 5}, {15, 5}}}) {
    DataGridSwitchColumn column;
    column.cellSize = CGSizeMake(40, 10);
    column.cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(anchor);
    grid->cellLayoutPosition(column, CGRectMake(5, 5, 70, 20));
    EXPECT_EQ(CGPointMake(column.cellLayoutPositionX, column.cellLayoutPositionY), stored) << anchor;
    column.cellLayoutPosition = DataGridCellLayoutPositionBottomRight;
    grid->cellLayoutPosition(column, CGRectMake(0, 0, 100, 30));
    EXPECT_EQ(CGPointMake(column.cellLayoutPositionX, column.cellLayoutPositionY), later) << anchor;
  }
}

// In a 70 x 40 cell, a label takes the frame of its column's size and place; a switch keeps its natural size
// and is scaled into the same place. A size with a side of 0 leaves both filling their cell.
TEST(CellPlacement, BoundControlsTakeTheCellSizeOnlyWhenBothSidesAreSet) {
  struct Case {
    CGSize cellSize;
    CGPoint offsets;
    NSUInteger anchor;
    CGRect frame;
  };
  const Case cases[] = {
      {{40, 0}, {0, 0}, 0, CGRectMake(0, 0, 70, 40)},   {{0, 30}, {0, 0}, 0, CGRectMake(0, 0, 70, 40)},
      {{40, 30}, {0, 0}, 0, CGRectMake(15, 5, 40, 30)}, {{40, 30}, {6, 2}, 0, CGRectMake(6, 2, 40, 30)},
      {{40, 30}, {0, 0}, 9, CGRectMake(15, 5, 40, 30)}, {{40, 30}, {0, 0}, 7, CGRectMake(30, 10, 40, 30)},
  };
  for (const Case& c : cases) {
    const auto label = labelColumn("L", 0);
    const auto toggle = columnOf<DataGridSwitchColumn>(0);
    for (const auto& column : Columns{label, toggle}) {
      column->cellSize = c.cellSize;
      column->cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(c.anchor);
      column->cellLayoutPositionX = c.offsets.x;
      column->cellLayoutPositionY = c.offsets.y;
    }
    const auto grid = makeGrid();
    grid->RowHeight = 40;
    bind(*grid, {label, toggle}, makeRecords({{"1"}, {"1"}}));
    const std::string where = std::to_string(c.cellSize.width) + " x " + std::to_string(c.cellSize.height) +
                              " at " + std::to_string(c.anchor);
    EXPECT_EQ(cellAt<DataGridLabelCell>(*label, 1)->label->frame(), c.frame) << where;
    EXPECT_EQ(label->cellLayoutPositionX, c.offsets.x) << "the label-like kinds store nothing";
    const UISwitch& control = *cellAt<DataGridSwitchCell>(*toggle, 1)->Switch;
    EXPECT_EQ(control.frame(), c.frame) << where;
    EXPECT_EQ(control.bounds().size, UISwitch::kNaturalSize);
  }
}

}  // namespace
}  // namespace tarnavel::testing
