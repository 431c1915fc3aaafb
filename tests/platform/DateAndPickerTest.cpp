#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/internal/DatePickerWheels.h"

namespace tarnavel {
namespace {

NSDateFormatter formatterFor(const char* pattern) {
  NSDateFormatter formatter;
  formatter.setDateFormat(pattern);
  return formatter;
}

TEST(DateFormatter, ReadsAndWritesTheSameTextInItsPattern) {
  struct Case {
    const char* pattern;
    const char* text;
  };
  // The last two are far from today: the first and the last day of four-digit years.
  const Case cases[] = {
      {"MM/dd/yyyy", "12/25/2024"}, {"MM/dd/yyyy", "02/29/2024"}, {"yyyy-MM-dd HH:mm", "1999-01-02 23:59"},
      {"d MMM y", "7 Mar 2031"},    {"HH:mm:ss", "08:05:09"},     {"MM/dd/yyyy", "01/01/0001"},
      {"MM/dd/yyyy", "12/31/9999"},
  };
  for (const Case& c : cases) {
    const auto formatter = formatterFor(c.pattern);
    const auto date = formatter.dateFromString(c.text);
    ASSERT_TRUE(date) << c.pattern << " " << c.text;
    EXPECT_EQ(formatter.stringFromDate(*date), c.text);
  }
}

TEST(DateFormatter, TextThatDoesNotMatchGivesNoDate) {
  const auto formatter = formatterFor("MM/dd/yyyy");
  for (const char* text : {"", "soon", "2024-12-25", "13/01/2024", "02/30/2024", "12/25/2024 extra"})
    EXPECT_FALSE(formatter.dateFromString(text)) << text;
  NSDateFormatter unpatterned;
  EXPECT_FALSE(unpatterned.dateFromString("12/25/2024"));
  EXPECT_EQ(unpatterned.stringFromDate(NSDate()), "");
}

TEST(DatePicker, KeepsTheDateItIsGiven) {
  UIDatePicker picker;
  const NSDate given = NSDate::dateWithTimeIntervalSince1970(1'000'000'000).value();
  picker.setDate(given);
  EXPECT_EQ(picker.date(), given);
  EXPECT_DOUBLE_EQ(picker.date().timeIntervalSince1970(), 1'000'000'000);
}

TEST(DatePicker, ADateNoCalendarHoldsIsRefusedNotWrapped) {
  for (double seconds : {std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_FALSE(NSDate::dateWithTimeIntervalSince1970(seconds)) << seconds;
  // Thirty million years away: a date, but beyond the calendar, so it has no text and empty wheels.
  const NSDate far = NSDate::dateWithTimeIntervalSince1970(1e15).value();
  EXPECT_EQ(formatterFor("MM/dd/yyyy").stringFromDate(far), "");
  EXPECT_TRUE(datePickerWheels(UIDatePickerModeDate, far)[2].rows.empty());
}

TEST(DatePicker, WheelsShowTheDateSelectedBetweenItsNeighbours) {
  const auto formatter = formatterFor("MM/dd/yyyy HH:mm");
  const NSDate date = *formatter.dateFromString("12/31/2024 23:05");
  const auto selected = [](const std::vector<PickerWheel>& wheels) {
    std::vector<std::string> texts;
    for (const PickerWheel& wheel : wheels)
      texts.push_back(wheel.rows.at(kPickerVisibleRows / 2));
    return texts;
  };
  EXPECT_EQ(selected(datePickerWheels(UIDatePickerModeDate, date)),
            (std::vector<std::string>{"December", "31", "2024"}));
  EXPECT_EQ(selected(datePickerWheels(UIDatePickerModeTime, date)),
            (std::vector<std::string>{"11", "05", "PM"}));
  EXPECT_EQ(selected(datePickerWheels(UIDatePickerModeDateAndTime, date)),
            (std::vector<std::string>{"Tue Dec 31", "11", "05", "PM"}));
  EXPECT_EQ(selected(datePickerWheels(UIDatePickerModeCountDownTimer, date)),
            (std::vector<std::string>{"23 hours", "5 min"}));
  // A month wheel turns alone; a day wheel of the date-and-time mode moves into the next year.
  const auto month = datePickerWheels(UIDatePickerModeDate, date)[0].rows;
  EXPECT_EQ(month, (std::vector<std::string>{"October", "November", "December", "January", "February"}));
  EXPECT_EQ(datePickerWheels(UIDatePickerModeDateAndTime, date)[0].rows.back(), "Thu Jan 2");
  // The wheels' edges are where the grid lays its divider images.
  const auto wheels = datePickerWheels(UIDatePickerModeDate, date);
  EXPECT_DOUBLE_EQ(wheels[1].start * 320, 150);
  EXPECT_DOUBLE_EQ(wheels[2].start * 320, 200);
  EXPECT_EQ(datePickerWheels(static_cast<UIDatePickerMode>(9), date).size(), 1u);
}

struct CountingPickerDelegate : UIPickerViewDelegate {
  int selections = 0;
  void didSelectRow(UIPickerView&, NSInteger, NSInteger) override { ++selections; }
};

TEST(PickerView, SelectsRowsPerComponentWithoutTellingItsDelegate) {
  UIPickerView picker;
  const auto delegate = std::make_shared<CountingPickerDelegate>();
  picker.setDelegate(delegate);
  EXPECT_EQ(picker.selectedRowInComponent(0), 0);
  picker.selectRow(2, 0, false);
  picker.selectRow(4, 1, true);
  EXPECT_EQ(picker.selectedRowInComponent(0), 2);
  EXPECT_EQ(picker.selectedRowInComponent(1), 4);
  EXPECT_EQ(picker.selectedRowInComponent(3), 0);
  EXPECT_EQ(delegate->selections, 0);
  EXPECT_THROW(picker.selectRow(-1, 0, false), NSException);
  EXPECT_THROW(picker.selectRow(0, -1, false), NSException);
  EXPECT_EQ(picker.selectedRowInComponent(0), 2);
}

TEST(PickerView, HoldsItsDataSourceAndDelegateWeakly) {
  UIPickerView picker;
  auto delegate = std::make_shared<UIPickerViewDelegate>();
  auto dataSource = std::make_shared<UIPickerViewDataSource>();
  picker.setDelegate(delegate);
  picker.setDataSource(dataSource);
  EXPECT_EQ(picker.delegate(), delegate);
  EXPECT_FALSE(dataSource->numberOfComponentsInPickerView(picker).has_value());
  delegate.reset();
  dataSource.reset();
  EXPECT_EQ(picker.delegate(), nullptr);
  EXPECT_EQ(picker.dataSource(), nullptr);
}

}  // namespace
}  // namespace tarnavel
