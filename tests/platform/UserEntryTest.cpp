#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/controls/UITextView.h"

namespace tarnavel {
namespace {

class TextViewListener : public UITextViewDelegate {
 public:
  bool textViewShouldBeginEditing(UITextView& view) override {
    events.push_back("should-begin:" + view.text);
    return allowBegin;
  }
  bool textViewShouldEndEditing(UITextView& view) override {
    events.push_back("should-end:" + view.text);
    return allowEnd;
  }
  void textViewDidBeginEditing(UITextView&) override { events.push_back("did-begin"); }
  void textViewDidEndEditing(UITextView&) override { events.push_back("did-end"); }
  void textViewDidChange(UITextView& view) override { events.push_back("change:" + view.text); }
  void textViewDidChangeSelection(UITextView& view) override {
    events.push_back("selection:" + std::to_string(view.selectedTextRange->location));
  }

  bool allowBegin = true;
  bool allowEnd = true;
  std::vector<std::string> events;
};

TEST(TextViewTyping, AsksTellsAndReportsEachKeystroke) {
  UITextView view;
  const auto listener = std::make_shared<TextViewListener>();
  view.setDelegate(listener);
  view.text = "a";                     // from code: nobody hears
  view.typeText("b\xF0\x9F\x99\x82");  // a letter and an emoji (two text positions)
  view.typeText("c");                  // already editing: not asked again
  EXPECT_TRUE(view.endEditing());
  EXPECT_TRUE(view.endEditing());  // not editing any more: nobody asked
  EXPECT_EQ(listener->events,
            (std::vector<std::string>{"should-begin:a", "did-begin", "selection:2", "change:ab",
                                      "selection:4", "change:ab\xF0\x9F\x99\x82", "selection:5",
                                      "change:ab\xF0\x9F\x99\x82"
                                      "c",
                                      "should-end:ab\xF0\x9F\x99\x82"
                                      "c",
                                      "did-end"}));
}

TEST(TextViewTyping, ADelegatesNoKeepsItsStateAndItsText) {
  UITextView view;
  const auto listener = std::make_shared<TextViewListener>();
  view.setDelegate(listener);
  listener->allowBegin = false;
  view.typeText("x");
  EXPECT_EQ(view.text, "");
  EXPECT_FALSE(view.isEditing());
  EXPECT_EQ(listener->events, (std::vector<std::string>{"should-begin:"}));

  listener->allowBegin = true;
  listener->allowEnd = false;
  view.typeText("y");
  EXPECT_FALSE(view.endEditing());
  EXPECT_TRUE(view.isEditing());
  EXPECT_EQ(listener->events.back(), "should-end:y");
}

TEST(TextViewTyping, OnlyAnEditableInteractiveViewTakesText) {
  UITextView readOnly;
  readOnly.editable = false;
  readOnly.typeText("x");
  UITextView untouchable;
  untouchable.userInteractionEnabled = false;
  untouchable.typeText("x");
  EXPECT_EQ(readOnly.text + untouchable.text, "");
  UITextView alone;  // no delegate: editing is allowed
  alone.typeText("ok");
  EXPECT_EQ(alone.text, "ok");
  EXPECT_TRUE(alone.endEditing());
}

class ChangeListener {
 public:
  void changed(UITextField& field) {
    seen.push_back(field.text + (field.isTypingEntry() ? " typed" : " whole"));
  }
  void ended(UITextField& field) { seen.push_back(field.isTypingEntry() ? "end typed" : "end whole"); }
  void valueChanged(UIControl&) { ++values; }
  std::vector<std::string> seen;
  int values = 0;
};

TEST(TextFieldEntry, TypingAndReplacingTheWholeTextAreTold) {
  const auto field = std::make_shared<UITextField>();
  const auto listener = std::make_shared<ChangeListener>();
  field->addTarget(listener, "changed:", &ChangeListener::changed, UIControlEventEditingChanged);
  field->addTarget(listener, "ended:", &ChangeListener::ended, UIControlEventEditingDidEnd);
  field->typeText("12");
  field->replaceAllText("3.5");
  field->endEditing();
  field->typeText("7");
  field->endEditing();
  EXPECT_FALSE(field->isTypingEntry());
  EXPECT_EQ(listener->seen, (std::vector<std::string>{"1 typed", "12 typed", "3.5 whole", "end whole",
                                                      "3.57 typed", "end typed"}));
}

TEST(SliderDrag, MovesWithinTheBoundsAndTellsOfARealChange) {
  const auto slider = std::make_shared<UISlider>();
  slider->setMaximumValue(100);
  const auto listener = std::make_shared<ChangeListener>();
  slider->addTarget(listener, "changed:", &ChangeListener::valueChanged, UIControlEventValueChanged);
  slider->setValue(10);  // from code: silent
  slider->dragToValue(250);
  EXPECT_EQ(slider->value(), 100);
  slider->dragToValue(100);  // already there
  slider->dragToValue(std::nanf(""));
  slider->continuous = false;
  slider->dragToValue(-3);
  EXPECT_EQ(slider->value(), 0);
  EXPECT_EQ(listener->values, 2);
  slider->enabled = false;
  slider->dragToValue(50);
  EXPECT_EQ(slider->value(), 0);
  EXPECT_EQ(listener->values, 2);
}

TEST(SwitchTap, FlipsAndTellsUnlessDisabled) {
  const auto control = std::make_shared<UISwitch>();
  const auto listener = std::make_shared<ChangeListener>();
  control->addTarget(listener, "changed:", &ChangeListener::valueChanged, UIControlEventValueChanged);
  control->on = true;  // from code: silent
  control->tap();
  EXPECT_FALSE(control->on);
  control->tap();
  EXPECT_TRUE(control->on);
  control->userInteractionEnabled = false;
  control->tap();
  EXPECT_TRUE(control->on);
  EXPECT_EQ(listener->values, 2);
}

class PickerEvents {
 public:
  void changed(UIControl&) { events.push_back("changed"); }
  void began(UIControl&) { events.push_back("began"); }
  void ended(UIControl&) { events.push_back("ended"); }
  std::vector<std::string> events;
};

TEST(DatePickerSpin, StaysWithinTheRangeAndTellsOfARealChange) {
  const auto picker = std::make_shared<UIDatePicker>();
  const auto listener = std::make_shared<PickerEvents>();
  picker->addTarget(listener, "changed:", &PickerEvents::changed, UIControlEventValueChanged);
  picker->addTarget(listener, "began:", &PickerEvents::began, UIControlEventEditingDidBegin);
  picker->addTarget(listener, "ended:", &PickerEvents::ended, UIControlEventEditingDidEnd);
  const auto day = [](double days) { return NSDate::dateWithTimeIntervalSince1970(days * 86400); };
  picker->setDate(day(5));  // from code: silent
  picker->minimumDate = day(1);
  picker->maximumDate = day(10);
  picker->spinToDate(day(20));
  EXPECT_EQ(picker->date(), day(10));
  picker->spinToDate(day(10));  // already there
  picker->spinToDate(day(-3));
  EXPECT_EQ(picker->date(), day(1));
  picker->beginEditing();
  picker->beginEditing();
  picker->endEditing();
  picker->endEditing();
  picker->enabled = false;
  picker->spinToDate(day(4));
  picker->beginEditing();
  EXPECT_EQ(picker->date(), day(1));
  EXPECT_EQ(listener->events, (std::vector<std::string>{"changed", "changed", "began", "ended"}));
}

class ThreeRows : public UIPickerViewDataSource, public UIPickerViewDelegate {
 public:
  std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView&) override { return 1; }
  std::optional<NSInteger> numberOfRowsInComponent(UIPickerView&, NSInteger) override { return 3; }
  void didSelectRow(UIPickerView&, NSInteger row, NSInteger component) override {
    picked.push_back(std::to_string(row) + "/" + std::to_string(component));
  }
  std::vector<std::string> picked;
};

TEST(PickerChoice, OnlyRowsTheDataSourceCountsCanBeChosen) {
  UIPickerView picker;
  const auto rows = std::make_shared<ThreeRows>();
  picker.pickRow(0, 0);  // no data source: no rows
  picker.setDataSource(rows);
  picker.setDelegate(rows);
  picker.selectRow(1, 0, false);  // from code: silent
  picker.pickRow(2, 0);
  picker.pickRow(2, 0);
  picker.pickRow(3, 0);
  picker.pickRow(-1, 0);
  picker.pickRow(0, 1);
  EXPECT_EQ(picker.selectedRowInComponent(0), 2);
  picker.userInteractionEnabled = false;
  picker.pickRow(0, 0);
  EXPECT_EQ(picker.selectedRowInComponent(0), 2);
  EXPECT_EQ(rows->picked, (std::vector<std::string>{"2/0", "2/0"}));
}

}  // namespace
}  // namespace tarnavel
