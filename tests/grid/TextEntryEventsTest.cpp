#include <gtest/gtest.h>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::EventRecorder;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;
using testing::PinnedLocale;

using Events = std::vector<std::string>;

// A grid whose second column edits field 1 of two records; the second record's control is the one edited.
template <class Column>
struct EntryGrid {
  explicit EntryGrid(bool update, NSUInteger style = 0, NSUInteger type = DataGridNumberTypeInt)
      : records(makeRecords({{"a", "x"}, {"b", ""}})), column(std::make_shared<Column>()) {
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
  Value written() const { return records.at(1).at(1); }

  std::shared_ptr<UIDataGrid> grid = makeGrid();
  std::shared_ptr<EventRecorder> recorder = std::make_shared<EventRecorder>();
  Value records;
  std::shared_ptr<Column> column;
};

struct FieldGrid : EntryGrid<DataGridTextFieldColumn> {
  using EntryGrid::EntryGrid;
  UITextField& field() const { return *cellAt<DataGridTextFieldCell>(*column, 1)->textField; }
};

struct ViewGrid : EntryGrid<DataGridTextViewColumn> {
  using EntryGrid::EntryGrid;
  UITextView& view() const { return *cellAt<DataGridTextViewCell>(*column, 1)->textView; }
};

TEST(TextFieldNumberStyle, TheRecordKeepsTheTypedTextAndTheFieldShowsTheStyleOnceEditingEnds) {
  const PinnedLocale locale("en_US");
  struct Case {
    NSUInteger style;
    NSUInteger type;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeInt, "1234.5", "1,234"},  // the whole part
      {NSNumberFormatterDecimalStyle, 15, "1234.5", "1234.5"},                    // no such type: as typed
      {NSNumberFormatterNoStyle, DataGridNumberTypeDouble, "1234.5", "1234.5"},   // no style: as typed
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeDouble, "1234.5", "1,234.5"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeFloat, "0.1", "0.1"},
      {NSNumberFormatterCurrencyStyle, DataGridNumberTypeDouble, "3.5", "$3.50"},
      {NSNumberFormatterPercentStyle, DataGridNumberTypeDouble, "0.25", "25%"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeBool, "yes", "1"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeInt, "pears", "0"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeInt, "99999999999", "2,147,483,647"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeLong, "99999999999", "99,999,999,999"},
      // Narrow and unsigned kinds keep the low-order bits of the 64-bit reading.
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeChar, "200", "-56"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeUnsignedChar, "300", "44"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeShort, "40000", "-25,536"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeUnsignedShort, "70000", "4,464"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeUnsignedInt, "-1", "4,294,967,295"},
      {NSNumberFormatterDecimalStyle, DataGridNumberTypeUnsignedLongLong, "-1", "18,446,744,073,709,551,615"},
  };
  for (const Case& c : cases) {
    FieldGrid edited(true, c.style, c.type);
    edited.field().typeText(c.typed);
    EXPECT_EQ(edited.field().text, c.typed) << "reformatted while typing";
    edited.field().endEditing();
    EXPECT_EQ(edited.field().text, c.shown) << c.typed << " style " << c.style << " type " << c.type;
    EXPECT_EQ(edited.written(), Value(c.typed));
    EXPECT_EQ(edited.recorder->events.back(), std::string("field-end 1,1 ") + c.shown);
  }
}

TEST(TextFieldNumberStyle, TypingOneAndAHalfKeyByKeyRecordsOneAndAHalf) {
  const PinnedLocale locale("en_US");
  FieldGrid edited(true, NSNumberFormatterDecimalStyle, DataGridNumberTypeInt);
  edited.field().typeText("1.5");
  EXPECT_EQ(edited.written(), Value("1.5"));
  EXPECT_EQ(edited.recorder->events,
            (Events{"field-changed 1,1 1", "field-changed 1,1 1.", "field-changed 1,1 1.5"}));
  edited.field().endEditing();
  EXPECT_EQ(edited.field().text, "1");
  EXPECT_EQ(edited.written(), Value("1.5"));
}

TEST(TextFieldNumberStyle, AWholeTextReplacedAtOnceIsStyledStraightAwayAndOnlyOnce) {
  const PinnedLocale locale("de_DE");
  FieldGrid edited(false, NSNumberFormatterCurrencyStyle, DataGridNumberTypeDouble);
  edited.field().replaceAllText("2500.75");
  EXPECT_EQ(edited.field().text, "2.500,75\u00a0\u20ac");
  edited.field().endEditing();  // styling "2.500,75 €" again would read it as 2.5
  EXPECT_EQ(edited.field().text, "2.500,75\u00a0\u20ac");
  EXPECT_EQ(edited.written(), Value(""));  // updateDataSource is off: nothing written
  EXPECT_EQ(edited.recorder->events.size(), 2u);

  edited.field().typeText("1");  // a new entry typed after it, styled when editing ends
  edited.field().endEditing();
  EXPECT_EQ(edited.field().text, "2,50\u00a0\u20ac");
}

TEST(TextFieldNumberStyle, LeavingAFieldWithoutTypingKeepsItsText) {
  FieldGrid edited(true, NSNumberFormatterDecimalStyle, DataGridNumberTypeInt);
  edited.field().text = "12.5";  // from code
  edited.field().typeText("");   // editing begins, nothing typed
  edited.field().endEditing();
  EXPECT_EQ(edited.field().text, "12.5");
}

TEST(TextFieldEvents, ARaisingDelegateEndsOnlyItsOwnCall) {
  FieldGrid edited(true);
  edited.recorder->raises = true;
  edited.field().typeText("7");
  edited.field().endEditing();
  EXPECT_EQ(edited.written(), Value("7"));
  EXPECT_EQ(edited.recorder->events, (Events{"field-changed 1,1 7", "field-end 1,1 7"}));
}

TEST(TextViewEvents, EachKeystrokeWritesTheTextAndEveryStepReachesTheDelegate) {
  ViewGrid edited(true);
  edited.view().typeText("hi");
  EXPECT_TRUE(edited.view().endEditing());
  EXPECT_EQ(edited.written(), Value("hi"));
  EXPECT_EQ(edited.records.at(0).at(1), Value("x"));
  EXPECT_EQ(edited.recorder->events,
            (Events{"view-should-begin 1,1", "view-begin 1,1", "view-selection 1,1", "view-changed 1,1 h",
                    "view-selection 1,1", "view-changed 1,1 hi", "view-should-end 1,1", "view-end 1,1"}));
}

TEST(TextViewEvents, TheDelegatesAnswersDecideWhetherEditingBeginsAndEnds) {
  ViewGrid refused(true);
  refused.recorder->allowBegin = false;
  refused.view().typeText("no");
  EXPECT_FALSE(refused.view().isEditing());
  EXPECT_EQ(refused.written(), Value(""));
  EXPECT_EQ(refused.recorder->events, (Events{"view-should-begin 1,1"}));

  ViewGrid kept(true);
  kept.recorder->allowEnd = false;
  kept.view().typeText("k");
  EXPECT_FALSE(kept.view().endEditing());
  EXPECT_TRUE(kept.view().isEditing());

  // A delegate without the questions, or one that raises, lets editing begin and end.
  ViewGrid silent(true);
  silent.grid->setDelegate(std::make_shared<DataGridDelegate>());
  silent.view().typeText("s");
  EXPECT_TRUE(silent.view().endEditing());
  ViewGrid raising(true);
  raising.recorder->raises = true;
  raising.view().typeText("r");
  EXPECT_TRUE(raising.view().endEditing());
  EXPECT_EQ(raising.written(), Value("r"));
}

TEST(TextViewEvents, WithoutUpdateDataSourceNothingIsWrittenButTheDelegateHears) {
  ViewGrid edited(false);
  edited.view().typeText("z");
  EXPECT_EQ(edited.written(), Value(""));
  EXPECT_EQ(edited.recorder->events.back(), "view-changed 1,1 z");
}

TEST(TextViewEvents, ACarrierThatIsNotANumberReadsAsZero) {
  ViewGrid edited(true);
  edited.view().accessibilityHint = "second";
  edited.view().typeText("q");
  EXPECT_EQ(edited.records.at(0).at(1), Value("q"));
  EXPECT_EQ(edited.recorder->events.back(), "view-changed 0,1 q");
}

}  // namespace
}  // namespace tarnavel
