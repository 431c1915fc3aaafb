#include <gtest/gtest.h>

#include <memory>

#include "GridTestSupport.h"

namespace tarnavel {
namespace {

void expectGridDefaults(const UIDataGrid& grid) {
  EXPECT_EQ(grid.RowHeight, 5.0);
  EXPECT_EQ(grid.HeaderHeight, 5.0);
  EXPECT_EQ(grid.ColumnsWidth, 70.0);
  EXPECT_FALSE(grid.HeaderScrollHide);
  EXPECT_FALSE(grid.updateDataSource);
  EXPECT_EQ(grid.foregroundColor, UIColor::blackColor());
  EXPECT_EQ(grid.HeaderForegroundColor, UIColor::blackColor());
  EXPECT_EQ(grid.HeaderBorderWidth, 0);
  EXPECT_EQ(grid.cellBorderWidth, 0);
  EXPECT_EQ(grid.rowBorderHeight, 0);
  EXPECT_EQ(grid.columnBorderWidth, 0);
  for (const auto& color : {grid.HeaderBackgroundColor, grid.HeaderBorderColor, grid.cellBorderColor,
                            grid.rowBorderColor, grid.columnBorderColor, grid.alternatingBackgroundColor}) {
    EXPECT_EQ(color, UIColor::clearColor());
  }
  EXPECT_EQ(grid.datagridFont, UIFont::fontWithName("Verdana", 6.0));
  EXPECT_EQ(grid.HeaderFont, UIFont::fontWithName("Verdana-Bold", 6.0));
  EXPECT_TRUE(grid.DataSource.isNull());
  EXPECT_TRUE(grid.Columns.empty());
  EXPECT_EQ(grid.delegate(), nullptr);
  EXPECT_EQ(grid.griding, 0.0f);
  EXPECT_EQ(grid.backgroundColor(), nullptr);
  EXPECT_TRUE(grid.subviews().empty());
}

TEST(GridObject, NewGridHoldsTheDefaults) {
  expectGridDefaults(*testing::makeGrid());
}

TEST(GridObject, DecodedGridHoldsTheDefaults) {
  NSCoder coder;
  coder.frame = CGRectMake(0, 0, 320, 480);
  const auto grid = std::make_shared<UIDataGrid>(coder);
  expectGridDefaults(*grid);
  EXPECT_EQ(grid->frame(), CGRectMake(0, 0, 320, 480));
}

TEST(GridObject, DelegateIsHeldWeakly) {
  const auto grid = testing::makeGrid();
  auto delegate = std::make_shared<testing::TapRecorder>();
  grid->setDelegate(delegate);
  EXPECT_EQ(grid->delegate(), delegate);
  delegate.reset();
  EXPECT_EQ(grid->delegate(), nullptr);
}

}  // namespace
}  // namespace tarnavel
