#include <gtest/gtest.h>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::EventRecorder;
using testing::labelColumn;
using Events = std::vector<std::string>;

// A grid whose second column, of kind `Column`, edits field 1 of two records; row 1's control is edited.
template <class Column>
struct EntryGrid {
  explicit EntryGrid(bool update, NSUInteger style = 0, NSUInteger type = DataGridNumberTypeInt) {
    grid->updateDataSource = update;
    grid->setDelegate(recorder);
    column->dataFieldIndex = 1;
    if constexpr (std::is_same_v<Column, DataGridTextFieldColumn>) {
      column->numberFormatterStyle = style;
      column->numberWithType = static_cast<DataGridNumberType>(type);
    }
    grid->Columns = {labelColumn("L", 0), column};
    grid->DataSource = records;
    grid->DataBind();
  }
  UITextField& field() const { return *cellAt<DataGridTextFieldCell>(*column, 1)->textField; }
  UITextView& view() const { return *cellAt<DataGridTextViewCell>(*column, 1)->textView; }
  Value written() const { return records.at(1).at(1); }

  std::shared_ptr<UIDataGrid> grid = testing::makeGrid();
  std::shared_ptr<EventRecorder> recorder = std::make_shared<EventRecorder>();
  Value records = testing::makeRecords({{"a", "x"}, {"b", ""}});
  std::shared_ptr<Column> column = std::make_shared<Column>();
};
using FieldGrid = EntryGrid<DataGridTextFieldColumn>;
using ViewGrid = EntryGrid<DataGridTextViewColumn>;

TEST(TextFieldNumberStyle, TheRecordKeepsTheTypedTextAndTheFieldShowsTheStyleOnceEditingEnds) {
  const testing::PinnedLocale locale("en_US");
  struct Case {
    NSUInteger style, type;
    const char *typed, *shown;
  };
  const Case cases[] = {
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeInt, "1234.5", "1,234"},  // the whole part
      {NSNumberFormatterDecimalStyle, 15, "1234.5", "1234.5"},                    // no such kind
      {NSNumberFormatterNoStyle, DataGridNumberTypeDouble, "1234.5", "1234.5"},   // no style
      {NSNumberFormatterCurrencyStyle, DataGridNumberTypeFloat, "0.1", "$0.10"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeBool, "yes", "1"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeInt, "99999999999", "2,147,483,647"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeLong, "pears", "0"},
      // Narrow and unsigned kinds keep the low-order bits of the 64-bit reading.
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeChar, "200", "-56"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeUnsignedShort, "70000", "4,464"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeUnsignedLongLong, "-1", "18,446,744,073,709,551,615"},
  };
  for (const Case& c : cases) {
    FieldGrid edited(true, c.style, c.type);
    edited.field().typeText(c.typed);
    EXPECT_EQ(edited.field().text, c.typed);  // not while typing
    edited.field().endEditing();
    EXPECT_EQ(edited.recorder->events.back(), std::string("field-end 1,1 ") + c.shown) << c.type;
    EXPECT_EQ(edited.written(), Value(c.typed));
  }
}

TEST(TextFieldNumberStyle, TypingOneAndAHalfKeyByKeyRecordsOneAndAHalf) {
  const testing::PinnedLocale locale("en_US");
  FieldGrid edited(true, NSNumberFormatterDecimalStyle, DataGridNumberTypeInt);
  edited.field().typeText("1.5");
  edited.field().endEditing();
  EXPECT_EQ(edited.written(), Value("1.5"));
  EXPECT_EQ(edited.recorder->events, (Events{"field-changed 1,1 1", "field-changed 1,1 1.",
                                             "field-changed 1,1 1.5", "field-end 1,1 1"}));
}

TEST(TextFieldNumberStyle, AWholeTextReplacedAtOnceIsStyledStraightAwayAndOnlyOnce) {
  const testing::PinnedLocale locale("de_DE");
  FieldGrid edited(false, NSNumberFormatterCurrencyStyle, DataGridNumberTypeDouble);
  edited.field().replaceAllText("2500.75");
  edited.field().endEditing();  // styling "2.500,75 €" again would read it as 2.5
  EXPECT_EQ(edited.recorder->events,
            (Events{"field-changed 1,1 2.500,75\u00a0\u20ac", "field-end 1,1 2.500,75\u00a0\u20ac"}));
  EXPECT_EQ(edited.written(), Value(""));  // updateDataSource is off
}

TEST(TextViewEvents, KeystrokesWriteTheTextAndTheDelegatesAnswersAreHonoured) {
  ViewGrid edited(true);
  edited.view().typeText("hi");
  EXPECT_TRUE(edited.view().endEditing());
  EXPECT_EQ(edited.written(), Value("hi"));
  EXPECT_EQ(edited.recorder->events,
            (Events{"view-should-begin 1,1", "view-begin 1,1", "view-selection 1,1", "view-changed 1,1 h",
                    "view-selection 1,1", "view-changed 1,1 hi", "view-should-end 1,1", "view-end 1,1"}));

  ViewGrid refused(true);
  refused.recorder->allowBegin = false;
  refused.view().typeText("no");
  refused.recorder->allowEnd = false;
  refused.recorder->allowBegin = true;
  refused.view().typeText("k");
  EXPECT_FALSE(refused.view().endEditing());
  EXPECT_EQ(refused.written(), Value("k"));

  // No such delegate method, or a delegate that raises: editing begins and ends.
  ViewGrid silent(false);
  silent.grid->setDelegate(std::make_shared<DataGridDelegate>());
  silent.view().typeText("s");
  EXPECT_TRUE(silent.view().endEditing());
  EXPECT_EQ(silent.written(), Value(""));
  ViewGrid raising(true);
  raising.recorder->raises = true;
  raising.view().setAccessibilityHint("second");  // not a number: row 0
  raising.view().typeText("r");
  EXPECT_TRUE(raising.view().endEditing());
  EXPECT_EQ(raising.records.at(0).at(1), Value("r"));
  EXPECT_EQ(raising.recorder->events.back(), "view-end 0,1");
}

}  // namespace
}  // namespace tarnavel
