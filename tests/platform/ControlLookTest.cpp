// What controls show: the plain look each draws, a button's title per state, the natural sizes of the
// fixed-size controls, a date picker's wheels, and the rows a picker asks its data source for and where it
// places them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/controls/UIButton.h"
#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/internal/DatePickerWheels.h"
#include "tarnavel/platform/render/RecordingContext.h"

namespace tarnavel {
namespace {

using Kind = DrawingRecord::Kind;
using Texts = std::vector<std::string>;

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
  EXPECT_EQ(drawnText(field).text, "Name");
  field.text = "Ada";
  field.textColor = UIColor::colorWithRed(0, 0, 1, 1);
  EXPECT_EQ(drawnText(field).text, "Ada");
  EXPECT_EQ(drawnText(field).color, field.textColor->CGColor());
  // A rounded border is stroked around the field.
  field.borderStyle = 3;
  RecordingContext bordered;
  field.drawContent(bordered);
  const auto border = bordered.recordsOfKind(Kind::StrokePath);
  ASSERT_EQ(border.size(), 1u);
  EXPECT_TRUE(std::ranges::any_of(border[0].path.elements(), [](const CGPath::Element& e) {
    return e.type == CGPath::ElementType::CurveTo;
  }));
  // Inside a rounded border the text keeps further from the sides; a style beyond the rounded one has no
  // border.
  EXPECT_EQ(drawnText(field).rect, CGRectMake(7, 0, 66, 20));
  field.borderStyle = 4;
  RecordingContext unbordered;
  field.drawContent(unbordered);
  EXPECT_TRUE(unbordered.recordsOfKind(Kind::StrokePath).empty());

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
  // The title label's background lies behind the title, centred in the button both ways.
  button.titleLabel()->setBackgroundColor(green);
  RecordingContext titled;
  button.drawContent(titled);
  ASSERT_EQ(titled.recordsOfKind(Kind::FillPath).size(), 1u);
  const CGRect behindTitle = titled.recordsOfKind(Kind::FillPath)[0].path.boundingBox();
  EXPECT_GT(behindTitle.size.width, 0);
  EXPECT_DOUBLE_EQ(CGRectGetMidX(behindTitle), 30);
  EXPECT_DOUBLE_EQ(CGRectGetMidY(behindTitle), 10);
  EXPECT_TRUE(button.subviews().empty());
  EXPECT_NE(button.titleLabel(), UIButton().titleLabel());
}

TEST(ControlNaturalSize, FixedSizeControlsKeepTheOriginAndTakeTheirSize) {
  EXPECT_EQ(UISwitch().bounds(), CGRectMake(0, 0, 51, 31));
  EXPECT_EQ(UISwitch(CGRectMake(5, 6, 100, 100)).frame(), CGRectMake(5, 6, 51, 31));
  EXPECT_EQ(UIDatePicker().bounds(), CGRectMake(0, 0, 320, 216));
  EXPECT_EQ(UIDatePicker(CGRectMake(1, 2, 70, 20)).frame(), CGRectMake(1, 2, 320, 216));
  EXPECT_EQ(UIPickerView().bounds(), CGRectMake(0, 0, 320, 216));
  NSCoder coder;
  coder.frame = CGRectMake(3, 4, 10, 10);
  EXPECT_EQ(UISwitch(coder).frame(), CGRectMake(3, 4, 51, 31));
  // A slider has a natural size too, but takes the frame it is given.
  const CGSize natural = UISlider().bounds().size;
  EXPECT_GT(natural.width, 0);
  EXPECT_GT(natural.height, 0);
  EXPECT_EQ(UISlider(CGRectMake(0, 0, 70, 20)).frame(), CGRectMake(0, 0, 70, 20));
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

TEST(ControlLook, SwitchKnobFillsTheTrackHeightInsideItsInsetOnTheSideOfItsState) {
  UISwitch toggle;
  for (const bool on : {false, true}) {
    toggle.on = on;
    RecordingContext context;
    toggle.drawContent(context);
    EXPECT_EQ(context.recordsOfKind(Kind::FillPath).back().path.boundingBox(),
              CGRectMake(on ? 22 : 2, 2, 27, 27))
        << on;
  }
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

TEST(ControlLook, PickerFaceRulesTheRowsAroundTheBandAndKeepsEachWheelsTextInside) {
  UIDatePicker picker;
  picker.datePickerMode = UIDatePickerModeDate;
  picker.setDate(*formatterFor("MM/dd/yyyy").dateFromString("12/31/2024"));
  // Rows of 216 / 5. At four pixels a point a half-point row line covers a whole row of pixels: here those a
  // row above and a row below the band, beside the years.
  testing::expectPixels(*testing::pixelsOf(picker, 4), {{1240, 172, testing::opaque(230, 230, 230)},
                                                        {1240, 691, testing::opaque(230, 230, 230)},
                                                        {1240, 160, testing::kWhite}});
  RecordingContext context;
  picker.drawContent(context);
  // A line on either edge of the band and one a row further out on each side, none on the outline.
  std::vector<CGFloat> rowLines;
  for (const DrawingRecord& stroke : context.recordsOfKind(Kind::StrokePath)) {
    const auto e = stroke.path.elements();
    if (e.size() == 2 && e[0].points[0].y == e[1].points[0].y) rowLines.push_back(e[0].points[0].y);
  }
  std::ranges::sort(rowLines);
  ASSERT_EQ(rowLines.size(), 4u);
  for (std::size_t i = 0; i < rowLines.size(); ++i)
    EXPECT_NEAR(rowLines[i], 43.2 * static_cast<double>(i + 1), 1e-9);
  // The day wheel runs from 150 to 200; its text keeps a quarter row from either side.
  const auto texts = context.recordsOfKind(Kind::DrawText);
  const auto day = std::ranges::find_if(texts, [](const DrawingRecord& r) { return r.text.text == "31"; });
  ASSERT_NE(day, texts.end());
  EXPECT_NEAR(day->text.rect.origin.x, 160.8, 1e-9);
  EXPECT_NEAR(day->text.rect.size.width, 28.4, 1e-9);
}

TEST(DatePicker, ADateNoCalendarHoldsIsRefusedNotWrapped) {
  for (double seconds : {std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_FALSE(NSDate::dateWithTimeIntervalSince1970(seconds)) << seconds;
  // Thirty million years away: a date, but beyond the calendar, so it has no text and empty wheels.
  const NSDate far = NSDate::dateWithTimeIntervalSince1970(1e15).value();
  EXPECT_EQ(formatterFor("MM/dd/yyyy").stringFromDate(far), "");
  EXPECT_TRUE(datePickerWheels(UIDatePickerModeDate, far)[2].rows.empty());
}

/// `components` wheels of ten rows that write down what the picker asks.
struct RowSource : UIPickerViewDataSource, UIPickerViewDelegate {
  std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView&) override {
    asked.push_back("components");
    return components;
  }
  std::optional<NSInteger> numberOfRowsInComponent(UIPickerView&, NSInteger) override {
    asked.push_back("rows");
    return rows;
  }
  std::optional<CGFloat> rowHeightForComponent(UIPickerView&, NSInteger) override {
    asked.push_back("height");
    return rowHeight;
  }
  std::shared_ptr<UIView> viewForRow(UIPickerView&, NSInteger row, NSInteger component,
                                     const std::shared_ptr<UIView>&) override {
    asked.push_back(std::to_string(component) + ":" + std::to_string(row));
    if (row == 1 || holder) return holder;  // row 1 shows nothing
    return std::make_shared<UIView>();
  }
  std::optional<NSInteger> components = 1;
  std::optional<NSInteger> rows = 10;
  std::optional<CGFloat> rowHeight;
  std::shared_ptr<UIView> holder;
  Texts asked;
};

std::shared_ptr<UIPickerView> pickerWith(const std::shared_ptr<RowSource>& source, NSInteger selected) {
  auto picker = std::make_shared<UIPickerView>();
  picker->setDataSource(source);
  picker->setDelegate(source);
  picker->selectRow(selected, 0, false);
  return picker;
}

TEST(PickerRows, AsksForTheRowsThatReachIntoTheFaceAroundTheSelectedOne) {
  struct Case {
    std::optional<CGFloat> rowHeight;
    NSInteger selected;
    Texts asked;
  };
  // The face is 216 high: its own rows of 43.2 show two either side of the middle, rows of 30 four (the
  // fourth just reaching in); a selection beyond the list stands on its last row; a height that is not a
  // positive finite number leaves the face its own rows.
  for (const Case& c :
       {Case{std::nullopt, 5, {"components", "rows", "height", "0:3", "0:4", "0:5", "0:6", "0:7"}},
        Case{30, 0, {"components", "rows", "height", "0:0", "0:1", "0:2", "0:3", "0:4"}},
        Case{-4, 40, {"components", "rows", "height", "0:7", "0:8", "0:9"}},
        Case{HUGE_VAL, 5, {"components", "rows", "height", "0:3", "0:4", "0:5", "0:6", "0:7"}}}) {
    const auto source = std::make_shared<RowSource>();
    source->rowHeight = c.rowHeight;
    const auto picker = pickerWith(source, c.selected);
    picker->reloadAllComponents();
    EXPECT_EQ(source->asked, c.asked);
  }
  const auto source = std::make_shared<RowSource>();
  source->components = 2;
  source->rowHeight = 30;
  const auto picker = pickerWith(source, 5);
  picker->reloadAllComponents();
  // Middle row top (216 - 30) / 2 = 93; wheels 160 wide with their rows 16 in from either side. The first
  // wheel stands on row 5, the second on row 0.
  EXPECT_EQ(picker->viewForRow(2, 0)->frame(), CGRectMake(16, 3, 128, 30));
  EXPECT_EQ(picker->viewForRow(2, 1)->frame(), CGRectMake(176, 153, 128, 30));
  EXPECT_EQ(picker->viewForRow(1, 1), nullptr);
}

TEST(PickerRows, NoDataSourceAsksNothingAndAViewHoldingThePickerIsLeftOut) {
  const auto source = std::make_shared<RowSource>();
  const auto lone = std::make_shared<UIPickerView>();
  lone->setDelegate(source);
  testing::pixelsOf(*lone);
  EXPECT_TRUE(source->asked.empty());

  // Drawn inside itself, the picker would never end.
  const auto picker = pickerWith(source, 0);
  source->holder = std::make_shared<UIView>(CGRectMake(0, 0, 320, 216));
  source->holder->addSubview(picker);
  testing::pixelsOf(*source->holder);
  EXPECT_EQ(picker->viewForRow(0, 0), nullptr);
}

}  // namespace
}  // namespace tarnavel
