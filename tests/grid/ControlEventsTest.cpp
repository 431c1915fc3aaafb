#include <gtest/gtest.h>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using Events = std::vector<std::string>;

// Switch, slider, date-picker and picker columns on fields 1 to 4 of two records, 70 wide each, in rows 40
// high under a 10-point header; row 1's controls are the ones worked.
struct ControlGrid {
  explicit ControlGrid(bool update, const std::string& dateOfRow1 = "01/02/2003")
      : records(testing::makeRecords(
            {{"a", "5", "yes", "12/31/1999", "tea"}, {"b", "10", "0", dateOfRow1, "coffee"}})) {
    grid->updateDataSource = update;
    grid->RowHeight = 40;
    grid->HeaderHeight = 10;
    grid->setDelegate(recorder);
    slider->dataFieldIndex = 1;
    toggle->dataFieldIndex = 2;
    date->dataFieldIndex = 3;
    picker->dataFieldIndex = 4;
    picker->pickerDataSource = Value::newArray({"tea", "coffee", Value(7)});
    grid->Columns = {slider, toggle, date, picker};
    grid->DataSource = records;
    grid->DataBind();
  }
  UISlider& sliderOf(std::size_t row) const { return *cellAt<DataGridSliderCell>(*slider, row)->slider; }
  UISwitch& toggleOf() const { return *cellAt<DataGridSwitchCell>(*toggle, 1)->Switch; }
  UIDatePicker& dateOf() const { return *cellAt<DataGridDatePickerCell>(*date, 1)->picker; }
  UIPickerView& pickerOf() const { return *cellAt<DataGridPickerCell>(*picker, 1)->picker; }
  std::string fields() const { return records.at(1).description(); }

  std::shared_ptr<UIDataGrid> grid = testing::makeGrid();
  std::shared_ptr<testing::EventRecorder> recorder = std::make_shared<testing::EventRecorder>();
  Value records;
  std::shared_ptr<DataGridSliderColumn> slider = std::make_shared<DataGridSliderColumn>();
  std::shared_ptr<DataGridSwitchColumn> toggle = std::make_shared<DataGridSwitchColumn>();
  std::shared_ptr<DataGridDatePickerColumn> date = std::make_shared<DataGridDatePickerColumn>();
  std::shared_ptr<DataGridPickerColumn> picker = std::make_shared<DataGridPickerColumn>();
};

NSDate march7th2024() {
  NSDateFormatter formatter;
  formatter.setDateFormat("yyyy-MM-dd HH:mm");
  return formatter.dateFromString("2024-03-07 15:30").value();
}

TEST(ControlEvents, EachControlWritesItsValueAsTheToolkitDescribesIt) {
  ControlGrid edited(true);
  edited.sliderOf(1).dragToValue(0.25f);
  edited.toggleOf().tap();
  edited.dateOf().spinToDate(march7th2024());
  edited.pickerOf().pickRow(2, 0);
  EXPECT_EQ(edited.fields(), "(b, 0.25, 1, 03/07/2024, 7)");
  EXPECT_TRUE(edited.records.at(1).at(4).isNumber());  // the entry object itself
  edited.sliderOf(1).dragToValue(1000);                // beyond the column's maximum
  edited.toggleOf().tap();
  edited.pickerOf().pickRow(0, 0);
  EXPECT_EQ(edited.fields(), "(b, 100, 0, 03/07/2024, tea)");
  edited.dateOf().beginEditing();
  edited.dateOf().endEditing();
  EXPECT_EQ(edited.recorder->events,
            (Events{"slider 1,0", "switch 1,1", "date 1,2", "picked 1,3 2/0", "slider 1,0", "switch 1,1",
                    "picked 1,3 0/0", "date-begin 1,2", "date-end 1,2"}));
  EXPECT_EQ(edited.records.at(0).description(), "(a, 5, yes, 12/31/1999, tea)");
}

TEST(ControlEvents, DatesFarFromTodayReadBackAndASpinOfOneDayWritesTheNextDay) {
  struct Case {
    const char* field;
    const char* nextDay;
  };
  // Centuries ahead, before the calendar reform, and the last day of four-digit years.
  const Case cases[] = {
      {"06/15/2300", "06/16/2300"}, {"01/01/1500", "01/02/1500"}, {"12/31/9999", "01/01/10000"}};
  NSDateFormatter formatter;
  formatter.setDateFormat("MM/dd/yyyy");
  for (const Case& c : cases) {
    ControlGrid edited(true, c.field);
    UIDatePicker& picker = edited.dateOf();
    EXPECT_EQ(formatter.stringFromDate(picker.date()), c.field);
    picker.spinToDate(
        NSDate::dateWithTimeIntervalSince1970(picker.date().timeIntervalSince1970() + 86400).value());
    EXPECT_EQ(edited.records.at(1).at(3).description(), c.nextDay) << c.field;
  }
}

TEST(ControlEvents, WithoutUpdateDataSourceNothingIsWrittenButTheDelegateHears) {
  ControlGrid edited(false);
  edited.sliderOf(1).dragToValue(50);
  edited.toggleOf().tap();
  edited.dateOf().spinToDate(march7th2024());
  edited.pickerOf().pickRow(0, 0);
  EXPECT_EQ(edited.fields(), "(b, 10, 0, 01/02/2003, coffee)");
  EXPECT_EQ(edited.recorder->events, (Events{"slider 1,0", "switch 1,1", "date 1,2", "picked 1,3 0/0"}));
}

TEST(ControlEvents, WhatCannotBeWrittenIsSkippedAndTheDelegateStillHears) {
  ControlGrid edited(true);
  edited.picker->pickerDataSource = Value::newArray();  // emptied: the picker still shows one row
  edited.pickerOf().pickRow(0, 0);
  edited.picker->pickerDataSource = Value();
  edited.pickerOf().pickRow(0, 0);
  edited.date->dateFormat = "yyyy";                          // the picker keeps the format of the bind
  edited.dateOf().setAccessibilityIdentifier(std::nullopt);  // no format: no text for the date
  edited.dateOf().spinToDate(march7th2024());
  edited.grid->DataSource = testing::makeRecords({{"only"}});  // row 1 gone, row 0 without the field
  edited.sliderOf(1).dragToValue(30);
  edited.sliderOf(1).setAccessibilityHint("first");  // not a number: row 0
  edited.sliderOf(1).dragToValue(40);
  EXPECT_EQ(edited.fields(), "(b, 10, 0, 01/02/2003, coffee)");
  EXPECT_EQ(edited.grid->DataSource.at(0).description(), "(only)");
  EXPECT_EQ(edited.recorder->events,
            (Events{"picked 1,3 0/0", "picked 1,3 0/0", "date 1,2", "slider 1,0", "slider 0,0"}));
}

TEST(ControlEvents, ARaisingDelegateEndsTheHandlerAfterTheWrite) {
  ControlGrid edited(true);
  edited.recorder->raises = true;
  edited.toggleOf().tap();
  EXPECT_EQ(edited.fields(), "(b, 10, 1, 01/02/2003, coffee)");
  EXPECT_EQ(edited.recorder->events, (Events{"switch 1,1"}));
}

TEST(ControlEvents, ATapAfterAnEditReportsTheValueOfTheBind) {
  ControlGrid edited(true);
  edited.sliderOf(1).dragToValue(80);
  EXPECT_EQ(tapAt(*edited.grid, CGPointMake(35, 10 + 60)), 1);  // row 1's slider: x 0..70, y 40..80
  EXPECT_EQ(edited.recorder->events, (Events{"slider 1,0", "tap 1,0 10"}));
}

}  // namespace
}  // namespace tarnavel
