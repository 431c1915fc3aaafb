#include <gtest/gtest.h>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::EventRecorder;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;

using Events = std::vector<std::string>;

// A grid whose second column shows field 1 of two records through `column`; row 1's control is the one
// a test works. Rows are 40 high under a 10-point header, and both columns are 70 wide.
template <class Column>
struct ControlGrid {
  ControlGrid(bool update, std::shared_ptr<Column> shown,
              std::initializer_list<std::vector<std::string>> rows)
      : records(makeRecords(rows)), column(std::move(shown)) {
    grid->updateDataSource = update;
    grid->RowHeight = 40;
    grid->HeaderHeight = 10;
    grid->setDelegate(recorder);
    column->dataFieldIndex = 1;
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

struct SwitchGrid : ControlGrid<DataGridSwitchColumn> {
  explicit SwitchGrid(bool update)
      : ControlGrid(update, std::make_shared<DataGridSwitchColumn>(), {{"a", "yes"}, {"b", "0"}}) {}
  UISwitch& control() const { return *cellAt<DataGridSwitchCell>(*column, 1)->Switch; }
};

struct SliderGrid : ControlGrid<DataGridSliderColumn> {
  explicit SliderGrid(bool update)
      : ControlGrid(update, std::make_shared<DataGridSliderColumn>(), {{"a", "5"}, {"b", "10"}}) {}
  UISlider& control() const { return *cellAt<DataGridSliderCell>(*column, 1)->slider; }
};

struct DateGrid : ControlGrid<DataGridDatePickerColumn> {
  explicit DateGrid(bool update, std::optional<std::string> format = "MM/dd/yyyy")
      : ControlGrid(update, withFormat(std::move(format)), {{"a", "12/31/1999"}, {"b", "01/02/2003"}}) {}
  UIDatePicker& control() const { return *cellAt<DataGridDatePickerCell>(*column, 1)->picker; }

  static std::shared_ptr<DataGridDatePickerColumn> withFormat(std::optional<std::string> format) {
    auto made = std::make_shared<DataGridDatePickerColumn>();
    made->dateFormat = std::move(format);
    return made;
  }
};

struct PickerGrid : ControlGrid<DataGridPickerColumn> {
  explicit PickerGrid(bool update) : ControlGrid(update, withEntries(), {{"a", "tea"}, {"b", "coffee"}}) {}
  UIPickerView& control() const { return *cellAt<DataGridPickerCell>(*column, 1)->picker; }

  static std::shared_ptr<DataGridPickerColumn> withEntries() {
    auto made = std::make_shared<DataGridPickerColumn>();
    made->pickerDataSource = Value::newArray({"tea", "coffee", Value(7)});
    return made;
  }
};

NSDate dateOf(const std::string& text, const std::string& format) {
  NSDateFormatter formatter;
  formatter.setDateFormat(format);
  return formatter.dateFromString(text).value();
}

TEST(SwitchEvents, OnWritesOneAndOffWritesZero) {
  SwitchGrid edited(true);
  edited.control().tap();
  EXPECT_EQ(edited.written(), Value("1"));
  edited.control().tap();
  EXPECT_EQ(edited.written(), Value("0"));
  EXPECT_EQ(edited.records.at(0).at(1), Value("yes"));
  EXPECT_EQ(edited.recorder->events, (Events{"switch 1,1", "switch 1,1"}));
}

TEST(SliderEvents, TheValueIsWrittenAsTheFloatsOwnText) {
  SliderGrid edited(true);
  edited.control().dragToValue(50);
  EXPECT_EQ(edited.written(), Value("50"));
  edited.control().dragToValue(0.25f);
  EXPECT_EQ(edited.written(), Value("0.25"));
  edited.control().dragToValue(1000);  // beyond the column's maximum
  EXPECT_EQ(edited.written(), Value("100"));
  EXPECT_EQ(edited.recorder->events, (Events{"slider 1,1", "slider 1,1", "slider 1,1"}));
}

TEST(DatePickerEvents, TheDateIsWrittenInTheColumnsFormat) {
  DateGrid edited(true);
  edited.control().spinToDate(dateOf("2024-03-07 15:30", "yyyy-MM-dd HH:mm"));
  EXPECT_EQ(edited.written(), Value("03/07/2024"));

  DateGrid iso(true, "yyyy-MM-dd");
  iso.control().spinToDate(dateOf("1969-07-20", "yyyy-MM-dd"));
  EXPECT_EQ(iso.written(), Value("1969-07-20"));
}

TEST(DatePickerEvents, OpeningAndClosingOnlyTellTheDelegate) {
  DateGrid edited(true);
  edited.control().beginEditing();
  edited.control().endEditing();
  EXPECT_EQ(edited.written(), Value("01/02/2003"));
  EXPECT_EQ(edited.recorder->events, (Events{"date-begin 1,1", "date-end 1,1"}));
}

TEST(DatePickerEvents, WithoutAFormatTheRecordKeepsItsDate) {
  DateGrid edited(true, std::nullopt);
  edited.control().spinToDate(dateOf("2024-03-07", "yyyy-MM-dd"));
  EXPECT_EQ(edited.written(), Value("01/02/2003"));
  EXPECT_EQ(edited.recorder->events, (Events{"date 1,1"}));
}

TEST(PickerEvents, TheChosenEntryItselfIsWritten) {
  PickerGrid edited(true);
  edited.control().pickRow(2, 0);
  EXPECT_EQ(edited.written(), Value(7));  // the entry object, not its text
  edited.control().pickRow(0, 0);
  EXPECT_EQ(edited.written(), Value("tea"));
  EXPECT_EQ(edited.recorder->events, (Events{"picked 1,1 2/0", "picked 1,1 0/0"}));
}

TEST(PickerEvents, AListEmptiedAfterTheBindWritesNothingButTheDelegateHearsTheRow) {
  PickerGrid edited(true);
  edited.column->pickerDataSource = Value::newArray();  // the picker still shows one row
  edited.control().pickRow(0, 0);
  edited.column->pickerDataSource = Value();
  edited.control().pickRow(0, 0);
  EXPECT_EQ(edited.written(), Value("coffee"));
  EXPECT_EQ(edited.recorder->events, (Events{"picked 1,1 0/0", "picked 1,1 0/0"}));
}

TEST(ControlEvents, WithoutUpdateDataSourceNothingIsWrittenButTheDelegateHears) {
  SwitchGrid flipped(false);
  flipped.control().tap();
  SliderGrid slid(false);
  slid.control().dragToValue(70);
  DateGrid spun(false);
  spun.control().spinToDate(dateOf("2024-03-07", "yyyy-MM-dd"));
  PickerGrid picked(false);
  picked.control().pickRow(0, 0);
  EXPECT_EQ(picked.written(), Value("coffee"));
  EXPECT_EQ(picked.recorder->events, (Events{"picked 1,1 0/0"}));
  EXPECT_EQ(flipped.written(), Value("0"));
  EXPECT_EQ(slid.written(), Value("10"));
  EXPECT_EQ(spun.written(), Value("01/02/2003"));
  EXPECT_EQ(flipped.recorder->events, (Events{"switch 1,1"}));
  EXPECT_EQ(slid.recorder->events, (Events{"slider 1,1"}));
  EXPECT_EQ(spun.recorder->events, (Events{"date 1,1"}));
}

TEST(ControlEvents, StaleOrUnreadableCarriersNeverWriteOutsideTheRecords) {
  SwitchGrid unreadable(true);
  unreadable.control().accessibilityHint = "first";  // not a number: row 0
  unreadable.control().tap();
  EXPECT_EQ(unreadable.records.at(0).at(1), Value("1"));
  EXPECT_EQ(unreadable.recorder->events, (Events{"switch 0,1"}));

  SliderGrid stale(true);
  stale.grid->DataSource = makeRecords({{"only"}});  // record 1 is gone, record 0 has no field 1
  stale.control().dragToValue(30);
  stale.control().accessibilityHint = "0";
  stale.control().dragToValue(40);
  stale.control().accessibilityLabel = "-1";
  stale.control().dragToValue(50);
  EXPECT_EQ(stale.grid->DataSource.at(0).count(), 1u);
  EXPECT_EQ(stale.written(), Value("10"));
  EXPECT_EQ(stale.recorder->events, (Events{"slider 1,1", "slider 0,1", "slider 0,-1"}));
}

TEST(ControlEvents, ARaisingDelegateEndsTheHandlerAfterTheWrite) {
  SwitchGrid edited(true);
  edited.recorder->raises = true;
  edited.control().tap();
  EXPECT_EQ(edited.written(), Value("1"));
  EXPECT_EQ(edited.recorder->events, (Events{"switch 1,1"}));
}

TEST(ControlEvents, ATapAfterAnEditReportsTheValueOfTheBind) {
  SliderGrid edited(true);
  edited.control().dragToValue(80);
  // Row 1's slider cell: x 70..140, y 40..80 under the 10-point header.
  EXPECT_EQ(tapAt(*edited.grid, CGPointMake(105, 10 + 60)), 1);
  EXPECT_EQ(edited.written(), Value("80"));
  EXPECT_EQ(edited.recorder->events, (Events{"slider 1,1", "tap 1,1 10"}));
}

}  // namespace
}  // namespace tarnavel
