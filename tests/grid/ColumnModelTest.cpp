#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GridTestSupport.h"

namespace tarnavel::testing {
namespace {

// What differs between the kinds among the defaults. A decoded column holds them whatever the archive held;
// the date-picker and picker kinds set no background of their own, so theirs is the archive's.
template <class Column>
void expectDefaults(const char* kind, bool unsetTextAndBackground, bool unsetFont = false) {
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 3, 4);
  coder.backgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
  const auto made = std::make_shared<Column>(CGRectMake(10, 20, 70, 5));
  const auto decoded = std::make_shared<Column>(coder);
  for (const auto& [column, archived] :
       {std::pair{made, std::shared_ptr<UIColor>()}, {decoded, coder.backgroundColor}}) {
    SCOPED_TRACE(std::string(kind) + (archived ? " decoded" : " made"));
    EXPECT_EQ(column->dataFieldIndex, -1);
    EXPECT_EQ(column->Title, "Untitled");
    EXPECT_EQ(column->Width, 70);
    EXPECT_EQ(column->header->frame(), column->frame());
    EXPECT_EQ(column->textColor, unsetTextAndBackground ? kDataGridUnsetColor() : nullptr);
    EXPECT_EQ(column->backgroundColor(), unsetTextAndBackground ? kDataGridUnsetColor() : archived);
    EXPECT_EQ(column->font, unsetFont ? kDataGridUnsetFont() : nullptr);
  }
  EXPECT_NE(made->header, decoded->header) << kind << ": every column makes its own title label";
}

TEST(ColumnModel, EveryKindStartsFromItsDefaultsWhetherMadeOrDecoded) {
  expectDefaults<DataGridLabelColumn>("label", true);
  expectDefaults<DataGridTextFieldColumn>("text field", true);
  expectDefaults<DataGridTextViewColumn>("text view", true);
  expectDefaults<DataGridButtonColumn>("button", true);
  expectDefaults<DataGridImageColumn>("image", true);
  expectDefaults<DataGridSwitchColumn>("switch", true);
  expectDefaults<DataGridSliderColumn>("slider", true);
  expectDefaults<DataGridDatePickerColumn>("date picker", false);
  expectDefaults<DataGridPickerColumn>("picker", false, true);
}

}  // namespace
}  // namespace tarnavel::testing
