#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;

TEST(GridDiagnostics, AHandlerKeepsTheReasonItSwallowedAndACompleteBindClearsIt) {
  struct Failing : DataGridDelegate {
    void datagridColumnTitleTapped(UIDataGrid&, int, const Value&) override {
      raiseException(NSGenericException, "host failure");
    }
  };
  const auto grid = makeGrid();
  const auto failing = std::make_shared<Failing>();
  grid->setDelegate(failing);
  grid->Columns = {labelColumn("Alpha", 0)};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();
  EXPECT_FALSE(grid->lastSwallowedException());

  tapAt(*grid, CGPointMake(10, 6));
  ASSERT_TRUE(grid->lastSwallowedException());
  EXPECT_EQ(grid->lastSwallowedException()->reason(), "host failure");

  grid->DataBind();
  EXPECT_FALSE(grid->lastSwallowedException());
}

}  // namespace
}  // namespace tarnavel
