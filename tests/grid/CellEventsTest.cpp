#include <gtest/gtest.h>

#include <functional>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel::testing {
namespace {

// A label column (column 0, field 6), then text-field, text-view, slider, switch, date-picker and picker
// columns (columns 1 to 6 on fields 0 to 5), 70 wide each, over two records in rows 40 high under a
// 10-point header. Row 1's cells are the ones worked.
struct EditedGrid {
  explicit EditedGrid(bool update, const std::function<void(EditedGrid&)>& setUp = {}) {
    grid->updateDataSource = update;
    grid->RowHeight = 40;
    grid->HeaderHeight = 10;
    grid->setDelegate(recorder);
    picker->pickerDataSource = Value::newArray({"tea", "coffee", Value(7)});
    if (setUp) setUp(*this);
    bind(*grid, {labelColumn("Name", 6), field, view, slider, toggle, date, picker}, records);
  }
  UITextField& fieldOf() const { return *cellAt<DataGridTextFieldCell>(*field, 1)->textField; }
  UITextView& viewOf() const { return *cellAt<DataGridTextViewCell>(*view, 1)->textView; }
  UISlider& sliderOf() const { return *cellAt<DataGridSliderCell>(*slider, 1)->slider; }
  UISwitch& toggleOf() const { return *cellAt<DataGridSwitchCell>(*toggle, 1)->Switch; }
  UIDatePicker& dateOf() const { return *cellAt<DataGridDatePickerCell>(*date, 1)->picker; }
  UIPickerView& pickerOf() const { return *cellAt<DataGridPickerCell>(*picker, 1)->picker; }
  std::string fields(long long row = 1) const { return records.at(row).description(); }

  std::shared_ptr<UIDataGrid> grid = makeGrid();
  std::shared_ptr<EventRecorder> recorder = std::make_shared<EventRecorder>();
  Value records = makeRecords(
      {{"x", "", "5", "yes", "12/31/1999", "tea", "a"}, {"", "", "10", "0", "01/02/2003", "coffee", "b"}});
  std::shared_ptr<DataGridTextFieldColumn> field = columnOf<DataGridTextFieldColumn>(0);
  std::shared_ptr<DataGridTextViewColumn> view = columnOf<DataGridTextViewColumn>(1);
  std::shared_ptr<DataGridSliderColumn> slider = columnOf<DataGridSliderColumn>(2);
  std::shared_ptr<DataGridSwitchColumn> toggle = columnOf<DataGridSwitchColumn>(3);
  std::shared_ptr<DataGridDatePickerColumn> date = columnOf<DataGridDatePickerColumn>(4);
  std::shared_ptr<DataGridPickerColumn> picker = columnOf<DataGridPickerColumn>(5);
};

/// Gives the text-field column a number style and kind.
std::function<void(EditedGrid&)> numberStyle(NSUInteger style, NSUInteger type) {
  return [=](EditedGrid& g) {
    g.field->numberFormatterStyle = style;
    g.field->numberWithType = static_cast<DataGridNumberType>(type);
  };
}

NSDate march7th2024() {
  NSDateFormatter formatter;
  formatter.setDateFormat("yyyy-MM-dd HH:mm");
  return formatter.dateFromString("2024-03-07 15:30").value();
}

// Taps report the record's row, the column's place in Columns and the value the cell had when bound.
TEST(CellEvents, TapsReportRowColumnAndTheValueOfTheBind) {
  EditedGrid edited(true);
  edited.records.at(1).replaceAt(6, Value("edited after the bind"));
  edited.sliderOf().dragToValue(80);
  EXPECT_EQ(tapAt(*edited.grid, CGPointMake(35, 10 + 60)), 1);           // row 1's label: x 0..70, y 40..80
  EXPECT_EQ(tapAt(*edited.grid, CGPointMake(3 * 70 + 35, 10 + 60)), 1);  // row 1's slider
  EXPECT_EQ(edited.recorder->events, (Events{"slider 1,3", "tap 1,0 b", "tap 1,3 10"}));
}

TEST(CellEvents, EachControlWritesItsValueAsTheToolkitDescribesIt) {
  EditedGrid edited(true);
  edited.sliderOf().dragToValue(0.25f);
  edited.toggleOf().tap();
  edited.dateOf().spinToDate(march7th2024());
  edited.pickerOf().pickRow(2, 0);
  EXPECT_EQ(edited.fields(), "(, , 0.25, 1, 03/07/2024, 7, b)");
  EXPECT_TRUE(edited.records.at(1).at(5).isNumber());  // the entry object itself
  edited.sliderOf().dragToValue(1000);                 // beyond the column's maximum
  edited.toggleOf().tap();
  edited.pickerOf().pickRow(0, 0);
  EXPECT_EQ(edited.fields(), "(, , 100, 0, 03/07/2024, tea, b)");
  edited.dateOf().beginEditing();
  edited.dateOf().endEditing();
  EXPECT_EQ(edited.recorder->events,
            (Events{"slider 1,3", "switch 1,4", "date 1,5", "picked 1,6 2/0", "slider 1,3", "switch 1,4",
                    "picked 1,6 0/0", "date-begin 1,5", "date-end 1,5"}));
  EXPECT_EQ(edited.fields(0), "(x, , 5, yes, 12/31/1999, tea, a)");
}

// A field in another format leaves the date the picker was made with.
TEST(CellEvents, DatePickersShowTheFieldsDateFarFromTodayAndASpinOfOneDayWritesTheNextDay) {
  // Centuries ahead, before the calendar reform, and the last day of four-digit years.
  const std::pair<const char*, const char*> cases[] = {
      {"06/15/2300", "06/16/2300"}, {"01/01/1500", "01/02/1500"}, {"12/31/9999", "01/01/10000"}};
  NSDateFormatter formatter;
  formatter.setDateFormat("MM/dd/yyyy");
  for (const auto& [field, nextDay] : cases) {
    EditedGrid edited(true, [&](EditedGrid& g) { g.records.at(1).replaceAt(4, Value(field)); });
    UIDatePicker& picker = edited.dateOf();
    EXPECT_EQ(formatter.stringFromDate(picker.date()), field);
    picker.spinToDate(
        NSDate::dateWithTimeIntervalSince1970(picker.date().timeIntervalSince1970() + 86400).value());
    EXPECT_EQ(edited.records.at(1).at(4).description(), nextDay) << field;
  }
  const NSDate before;
  const EditedGrid other(true, [](EditedGrid& g) { g.records.at(1).replaceAt(4, Value("2024-12-25")); });
  const NSDate after;
  EXPECT_LE(before, other.dateOf().date());
  EXPECT_LE(other.dateOf().date(), after);
}

TEST(CellEvents, WithoutUpdateDataSourceNothingIsWrittenButTheDelegateHears) {
  EditedGrid edited(false);
  edited.fieldOf().typeText("34");
  edited.fieldOf().endEditing();
  edited.sliderOf().dragToValue(50);
  edited.toggleOf().tap();
  edited.dateOf().spinToDate(march7th2024());
  edited.pickerOf().pickRow(0, 0);
  EXPECT_EQ(edited.fields(), "(, , 10, 0, 01/02/2003, coffee, b)");
  EXPECT_EQ(edited.recorder->events,
            (Events{"field-begin 1,1", "field-changed 1,1 3", "field-changed 1,1 34", "field-end 1,1 34",
                    "slider 1,3", "switch 1,4", "date 1,5", "picked 1,6 0/0"}));
}

TEST(CellEvents, WhatCannotBeWrittenIsSkippedAndTheDelegateStillHears) {
  EditedGrid edited(true);
  edited.picker->pickerDataSource = Value::newArray();  // emptied: the picker still shows one row
  edited.pickerOf().pickRow(0, 0);
  edited.picker->pickerDataSource = Value();
  edited.pickerOf().pickRow(0, 0);
  edited.date->dateFormat = "yyyy";                          // the picker keeps the format of the bind
  edited.dateOf().setAccessibilityIdentifier(std::nullopt);  // no format: no text for the date
  edited.dateOf().spinToDate(march7th2024());
  edited.grid->DataSource = makeRecords({{"only"}});  // row 1 gone, row 0 without the fields
  edited.sliderOf().dragToValue(30);
  edited.fieldOf().typeText("9");
  edited.sliderOf().setAccessibilityHint("first");  // not a number: row 0
  edited.sliderOf().dragToValue(40);
  edited.grid->Columns.resize(1);  // no column where the carriers say
  edited.fieldOf().typeText("9");
  EXPECT_EQ(edited.fields(), "(, , 10, 0, 01/02/2003, coffee, b)");
  EXPECT_EQ(edited.grid->DataSource.at(0).description(), "(only)");
  EXPECT_EQ(edited.recorder->events,
            (Events{"picked 1,6 0/0", "picked 1,6 0/0", "date 1,5", "slider 1,3", "field-begin 1,1",
                    "field-changed 1,1 9", "slider 0,3", "field-changed 1,1 99"}));
}

// The host's failure ends the handler it failed in, after the write; a text view's question then answers yes.
TEST(CellEvents, ARaisingDelegateEndsTheHandlerAfterTheWrite) {
  EditedGrid edited(true);
  edited.recorder->raises = true;
  edited.toggleOf().tap();
  edited.viewOf().setAccessibilityHint("second");  // not a number: row 0
  edited.viewOf().typeText("r");
  EXPECT_TRUE(edited.viewOf().endEditing());
  EXPECT_EQ(edited.fields(), "(, , 10, 1, 01/02/2003, coffee, b)");
  EXPECT_EQ(edited.records.at(0).at(1), Value("r"));
  EXPECT_EQ(edited.recorder->events,
            (Events{"switch 1,4", "view-should-begin 0,2", "view-begin 0,2", "view-selection 0,2",
                    "view-changed 0,2 r", "view-should-end 0,2", "view-end 0,2"}));
}

TEST(TextFieldNumberStyle, TheRecordKeepsTheTypedTextAndTheFieldShowsTheStyleOnceEditingEnds) {
  const PinnedLocale locale("en_US");
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
    EditedGrid edited(true, numberStyle(c.style, c.type));
    edited.fieldOf().typeText(c.typed);
    EXPECT_EQ(edited.fieldOf().text, c.typed);  // not while typing
    edited.fieldOf().endEditing();
    EXPECT_EQ(edited.recorder->events.back(), std::string("field-end 1,1 ") + c.shown) << c.type;
    EXPECT_EQ(edited.records.at(1).at(0), Value(c.typed));
  }
}

// Typed key by key, the field is styled once editing ends, so that "1." does not become "1" before the "5"
// comes. A whole text replaced at once is styled straight away and only once: styling "2.500,75 €" again
// would read it as 2.5.
TEST(TextFieldNumberStyle, TypedTextIsStyledWhenEditingEndsAndAWholeTextStraightAwayAndOnlyOnce) {
  {
    const PinnedLocale locale("en_US");
    EditedGrid typed(true, numberStyle(NSNumberFormatterDecimalStyle, DataGridNumberTypeInt));
    typed.fieldOf().typeText("1.5");
    typed.fieldOf().endEditing();
    EXPECT_EQ(typed.records.at(1).at(0), Value("1.5"));
    EXPECT_EQ(typed.recorder->events,
              (Events{"field-begin 1,1", "field-changed 1,1 1", "field-changed 1,1 1.",
                      "field-changed 1,1 1.5", "field-end 1,1 1"}));
  }
  const PinnedLocale locale("de_DE");
  EditedGrid replaced(false, numberStyle(NSNumberFormatterCurrencyStyle, DataGridNumberTypeDouble));
  replaced.fieldOf().replaceAllText("2500.75");
  replaced.fieldOf().endEditing();
  EXPECT_EQ(replaced.recorder->events, (Events{"field-begin 1,1", "field-changed 1,1 2.500,75\u00a0\u20ac",
                                               "field-end 1,1 2.500,75\u00a0\u20ac"}));
}

TEST(TextViewEvents, KeystrokesWriteTheTextAndTheDelegatesAnswersAreHonoured) {
  EditedGrid edited(true);
  edited.viewOf().typeText("hi");
  EXPECT_TRUE(edited.viewOf().endEditing());
  EXPECT_EQ(edited.records.at(1).at(1), Value("hi"));
  EXPECT_EQ(edited.recorder->events,
            (Events{"view-should-begin 1,2", "view-begin 1,2", "view-selection 1,2", "view-changed 1,2 h",
                    "view-selection 1,2", "view-changed 1,2 hi", "view-should-end 1,2", "view-end 1,2"}));

  EditedGrid refused(true);
  refused.recorder->allowBegin = false;
  refused.viewOf().typeText("no");
  refused.recorder->allowEnd = false;
  refused.recorder->allowBegin = true;
  refused.viewOf().typeText("k");
  EXPECT_FALSE(refused.viewOf().endEditing());
  EXPECT_EQ(refused.records.at(1).at(1), Value("k"));

  // A delegate that hears the edit but lacks the two questions: editing begins and ends.
  struct Unasking : DataGridDelegate {
    void datagridTextViewColumnCellEditingEnd(UIDataGrid&, int, int, UITextView&) override { ended = true; }
    bool ended = false;
  };
  EditedGrid unasked(true);
  const auto host = std::make_shared<Unasking>();
  unasked.grid->setDelegate(host);
  unasked.viewOf().typeText("s");
  EXPECT_TRUE(unasked.viewOf().endEditing());
  EXPECT_EQ(unasked.records.at(1).at(1), Value("s"));
  EXPECT_TRUE(host->ended);
}

}  // namespace
}  // namespace tarnavel::testing
