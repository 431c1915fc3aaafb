#include <gtest/gtest.h>

#include "GridTestSupport.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;

struct AnchorCase {
  NSUInteger anchor;
  CGPoint origin;  // of a 40 x 10 control in a 70 x 20 cell at (0, 0)
};

const AnchorCase kAnchorCases[] = {
    {DataGridCellLayoutPositionCenter, {15, 5}},        {DataGridCellLayoutPositionTopLeft, {0, 0}},
    {DataGridCellLayoutPositionTopCenter, {15, 0}},     {DataGridCellLayoutPositionTopRight, {30, 0}},
    {DataGridCellLayoutPositionMiddleLeft, {0, 5}},     {DataGridCellLayoutPositionBottomLeft, {0, 10}},
    {DataGridCellLayoutPositionBottomCenter, {15, 10}}, {DataGridCellLayoutPositionBottomRight, {30, 10}},
    {DataGridCellLayoutPositionMiddleRight, {30, 5}},   {9, {15, 5}},  // outside the enumeration: centred
};

TEST(CellPlacement, EveryAnchorPlacesTheControlInItsCell) {
  const auto grid = makeGrid();
  DataGridLabelColumn column;
  column.cellSize = CGSizeMake(40, 10);
  for (const AnchorCase& c : kAnchorCases) {
    column.cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(c.anchor);
    EXPECT_EQ(grid->cellLayoutFrame(column, CGRectMake(0, 0, 70, 20)), (CGRect{c.origin, {40, 10}}))
        << "anchor " << c.anchor;
    EXPECT_EQ(grid->cellLayoutFrame(column, CGRectMake(100, 50, 70, 20)),
              (CGRect{{c.origin.x + 100, c.origin.y + 50}, {40, 10}}))
        << "anchor " << c.anchor;
  }
}

TEST(CellPlacement, ExplicitOffsetsWinOverTheAnchor) {
  const auto grid = makeGrid();
  DataGridLabelColumn column;
  column.cellSize = CGSizeMake(40, 10);
  column.cellLayoutPosition = DataGridCellLayoutPositionBottomRight;
  column.cellLayoutPositionX = 3;
  EXPECT_EQ(grid->cellLayoutFrame(column, CGRectMake(0, 0, 70, 20)), CGRectMake(3, 0, 40, 10));
}

TEST(CellPlacement, StoredOffsetsComeFromTheFirstCellOnly) {
  const auto grid = makeGrid();
  DataGridSwitchColumn column;
  column.cellSize = CGSizeMake(40, 10);
  column.cellLayoutPosition = DataGridCellLayoutPositionMiddleRight;
  grid->cellLayoutPosition(column, CGRectMake(5, 5, 70, 20));
  EXPECT_EQ(column.cellLayoutPositionX, 30);
  EXPECT_EQ(column.cellLayoutPositionY, 5);
  grid->cellLayoutPosition(column, CGRectMake(0, 0, 100, 30));
  EXPECT_EQ(column.cellLayoutPositionX, 30);
  EXPECT_EQ(column.cellLayoutPositionY, 5);

  DataGridSwitchColumn topLeft;
  topLeft.cellSize = CGSizeMake(40, 10);
  topLeft.cellLayoutPosition = DataGridCellLayoutPositionTopLeft;
  grid->cellLayoutPosition(topLeft, CGRectMake(0, 0, 70, 20));
  EXPECT_EQ(topLeft.cellLayoutPositionX, 0);
  EXPECT_EQ(topLeft.cellLayoutPositionY, 0);

  // An anchor outside the enumeration stores the centre's offsets, where the frame of the label-like
  // kinds puts such a control too.
  DataGridSwitchColumn outside;
  outside.cellSize = CGSizeMake(40, 10);
  outside.cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(9);
  grid->cellLayoutPosition(outside, CGRectMake(0, 0, 70, 20));
  EXPECT_EQ(outside.cellLayoutPositionX, 15);
  EXPECT_EQ(outside.cellLayoutPositionY, 5);
}

TEST(CellPlacement, BoundControlsTakeTheCellSizeOnlyWhenBothSidesAreSet) {
  struct Case {
    CGSize cellSize;
    CGRect controlFrame;
  };
  for (const Case& c : {Case{{40, 10}, CGRectMake(15, 5, 40, 10)}, Case{{40, 0}, CGRectMake(0, 0, 70, 20)},
                        Case{{0, 30}, CGRectMake(0, 0, 70, 20)}}) {
    const auto grid = makeGrid();
    grid->RowHeight = 20;
    const auto column = labelColumn("A", 0);
    column->cellSize = c.cellSize;
    grid->Columns = {column};
    grid->DataSource = makeRecords({{"x"}, {"y"}});
    grid->DataBind();
    EXPECT_EQ(cellAt<DataGridLabelCell>(*column, 1)->label->frame(), c.controlFrame);
    EXPECT_EQ(column->cellLayoutPositionX, 0);  // the text kinds store nothing
  }
}

}  // namespace
}  // namespace tarnavel
