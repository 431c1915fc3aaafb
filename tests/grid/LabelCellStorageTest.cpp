// A grid's many label cells stay small: binding them writes none of the properties that views, labels and
// layers keep aside for the few that set them.
#include <gtest/gtest.h>

#include <string>

#include "GridTestSupport.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;

TEST(LabelCellStorage, PlainLabelCellsMakeNoSideBlocks) {
  // The columns' default templates and an odd-row colour.
  const auto grid = makeGrid();
  grid->alternatingBackgroundColor = UIColor::lightGrayColor();
  bind(*grid, {labelColumn("A", 0), labelColumn("B", 1)}, makeRecords({{"a0", "b0"}, {"a1", "b1"}}));
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
