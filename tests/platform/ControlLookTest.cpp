// What controls show: the plain look each draws, a button's title per state, and a date picker's wheels.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tarnavel/platform/controls/UIButton.h"
#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/internal/DatePickerWheels.h"
#include "tarnavel/platform/render/RecordingContext.h"

namespace tarnavel {
namespace {

using Kind = DrawingRecord::Kind;

/// The one text run `control` draws.
template <class Control>
CGTextRun drawnText(const Control& control) {
  RecordingContext context;
  control.drawContent(context);
  const auto texts = context.recordsOfKind(Kind::DrawText);
  EXPECT_EQ(texts.size(), 1u);
  return texts.empty() ? CGTextRun{} : texts[0].text;
}

TEST(ControlLook, TextFieldsDrawTheirTextOrPlaceholderAndButtonsTheTitleOfTheirStateInItsColour) {
  UITextField field(CGRectMake(0, 0, 80, 20));
  field.placeholder = "Name";
  field.borderStyle = 3;
  EXPECT_EQ(drawnText(field).text, "Name");
  RecordingContext border;
  field.drawContent(border);
  EXPECT_EQ(border.recordsOfKind(Kind::StrokePath).size(), 1u);
  field.text = "Ada";
  field.textColor = UIColor::colorWithRed(0, 0, 1, 1);
  EXPECT_EQ(drawnText(field).text, "Ada");
  EXPECT_EQ(drawnText(field).color, field.textColor->CGColor());

  // Titles and colours of a state fall back to the normal state's.
  UIButton button(CGRectMake(0, 0, 60, 20));
  EXPECT_FALSE(button.titleForState(UIControlStateNormal).has_value());
  EXPECT_EQ(button.titleColorForState(UIControlStateNormal), nullptr);
  button.setTitle("Go", UIControlStateNormal);
  button.setTitle("Going", UIControlStateHighlighted);
  const auto green = UIColor::colorWithRed(0, 1, 0, 1);
  button.setTitleColor(green, UIControlStateNormal);
  EXPECT_EQ(button.titleForState(UIControlStateHighlighted), "Going");
  EXPECT_EQ(button.titleForState(UIControlStateSelected), "Go");
  EXPECT_EQ(button.titleColorForState(UIControlStateDisabled), green);
  EXPECT_EQ(drawnText(button).text, "Go");
  EXPECT_EQ(drawnText(button).color, green->CGColor());
  EXPECT_TRUE(button.subviews().empty());
  EXPECT_NE(button.titleLabel(), UIButton().titleLabel());
}

TEST(ControlLook, SliderThumbFollowsTheValue) {
  UISlider slider(CGRectMake(0, 0, 114, 20));
  slider.setMaximumValue(10);
  auto thumbCentre = [&](float value) {
    slider.setValue(value);
    RecordingContext context;
    slider.drawContent(context);
    return CGRectGetMidX(context.recordsOfKind(Kind::FillPath).back().path.boundingBox());
  };
  EXPECT_DOUBLE_EQ(thumbCentre(0), 7);
  EXPECT_DOUBLE_EQ(thumbCentre(5), 57);
  EXPECT_DOUBLE_EQ(thumbCentre(10), 107);
}

NSDateFormatter formatterFor(const char* pattern) {
  NSDateFormatter formatter;
  formatter.setDateFormat(pattern);
  return formatter;
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
  const auto wheels = datePickerWheels(UIDatePickerModeDate, date);
  EXPECT_EQ(wheels[0].rows,
            (std::vector<std::string>{"October", "November", "December", "January", "February"}));
  EXPECT_EQ(datePickerWheels(UIDatePickerModeDateAndTime, date)[0].rows.back(), "Thu Jan 2");
  // The wheels' edges are where the grid lays its divider images.
  EXPECT_DOUBLE_EQ(wheels[1].start * 320, 150);
  EXPECT_DOUBLE_EQ(wheels[2].start * 320, 200);
  EXPECT_EQ(datePickerWheels(static_cast<UIDatePickerMode>(9), date).size(), 1u);
}

TEST(DatePicker, ADateNoCalendarHoldsIsRefusedNotWrapped) {
  for (double seconds : {std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_FALSE(NSDate::dateWithTimeIntervalSince1970(seconds)) << seconds;
  // Thirty million years away: a date, but beyond the calendar, so it has no text and empty wheels.
  const NSDate far = NSDate::dateWithTimeIntervalSince1970(1e15).value();
  EXPECT_EQ(formatterFor("MM/dd/yyyy").stringFromDate(far), "");
  EXPECT_TRUE(datePickerWheels(UIDatePickerModeDate, far)[2].rows.empty());
}

}  // namespace
}  // namespace tarnavel
