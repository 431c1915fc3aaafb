#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "GridTestSupport.h"

namespace tarnavel {
namespace {

// What differs between the kinds among the shared defaults.
struct KindDefaults {
  const char* kind;
  std::function<std::shared_ptr<DataGridColumn>(const NSCoder*)> make;  // from a frame without a coder
  bool unsetTextAndBackground;  // false: nil text colour and the own background left as made
  bool unsetFont;               // true: the unset font marker instead of nil
  CGFloat borderWidth;
};

template <class Column>
KindDefaults kind(const char* name, bool unsetTextAndBackground = true, bool unsetFont = false,
                  CGFloat borderWidth = 0) {
  const auto make = [](const NSCoder* coder) -> std::shared_ptr<DataGridColumn> {
    if (coder) return std::make_shared<Column>(*coder);
    return std::make_shared<Column>(CGRectMake(10, 20, 70, 5));
  };
  return {name, make, unsetTextAndBackground, unsetFont, borderWidth};
}

// A decoded column holds the defaults whatever the archive held; the date-picker and picker kinds set no
// background of their own, so theirs is the archive's.
TEST(ColumnModel, EveryKindStartsFromItsDefaultsWhetherMadeOrDecoded) {
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 3, 4);
  coder.backgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
  for (const KindDefaults& k :
       {kind<DataGridLabelColumn>("label"), kind<DataGridTextFieldColumn>("text field"),
        kind<DataGridTextViewColumn>("text view"), kind<DataGridButtonColumn>("button"),
        kind<DataGridImageColumn>("image"), kind<DataGridSwitchColumn>("switch"),
        kind<DataGridSliderColumn>("slider", true, false, kDataGridUnsetSliderBorderWidth),
        kind<DataGridDatePickerColumn>("date picker", false),
        kind<DataGridPickerColumn>("picker", false, true)}) {
    for (const NSCoder* from : {static_cast<const NSCoder*>(nullptr), &std::as_const(coder)}) {
      SCOPED_TRACE(std::string(k.kind) + (from ? " decoded" : " made"));
      const auto column = k.make(from);
      EXPECT_EQ(column->dataFieldIndex, -1);
      EXPECT_EQ(column->Title, "Untitled");
      EXPECT_EQ(column->Width, 70);
      EXPECT_EQ(column->header->frame(), from ? CGRectMake(1, 2, 3, 4) : CGRectMake(10, 20, 70, 5));
      EXPECT_EQ(column->textColor, k.unsetTextAndBackground ? kDataGridUnsetColor() : nullptr);
      const auto madeBackground = from ? coder.backgroundColor : nullptr;
      EXPECT_EQ(column->backgroundColor(), k.unsetTextAndBackground ? kDataGridUnsetColor() : madeBackground);
      EXPECT_EQ(column->font, k.unsetFont ? kDataGridUnsetFont() : nullptr);
      EXPECT_EQ(column->borderWidth, k.borderWidth);
      EXPECT_NE(column->header, k.make(from)->header) << "every column makes its own title label";
    }
  }
}

}  // namespace
}  // namespace tarnavel
