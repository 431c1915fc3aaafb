// Controls driven as a person would: the events each gesture sends, the limits it keeps, and platform
// exceptions that a gesture sets off, swallowed and kept.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/controls/UITextView.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/foundation/SwallowedExceptions.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using Events = std::vector<std::string>;

class TextViewListener : public UITextViewDelegate {
 public:
  bool textViewShouldBeginEditing(UITextView& v) override {
    return note("should-begin:" + v.text), allowBegin;
  }
  bool textViewShouldEndEditing(UITextView&) override { return note("should-end"), allowEnd; }
  void textViewDidBeginEditing(UITextView&) override { note("did-begin"); }
  void textViewDidEndEditing(UITextView&) override { note("did-end"); }
  void textViewDidChange(UITextView& v) override { note("change:" + v.text); }
  void textViewDidChangeSelection(UITextView& v) override {
    note("caret:" + std::to_string(v.selectedTextRange->location));
  }
  void note(const std::string& event) { events.push_back(event); }

  bool allowBegin = true;
  bool allowEnd = true;
  Events events;
};

TEST(TextViewTyping, AsksTellsAndReportsEachKeystrokeAndHonoursANo) {
  UITextView view;
  const auto listener = std::make_shared<TextViewListener>();
  view.setDelegate(listener);
  EXPECT_EQ(static_cast<UIScrollView&>(view).delegate(), listener) << "also the scroll view's delegate";
  view.text = "a";                    // from code: nobody hears
  view.typeText("\xF0\x9F\x99\x82");  // an emoji: two text positions
  view.typeText("c");                 // already editing: not asked again
  listener->allowEnd = false;
  EXPECT_FALSE(view.endEditing());
  listener->allowEnd = true;
  EXPECT_TRUE(view.endEditing());
  EXPECT_TRUE(view.endEditing());  // not editing any more: nobody asked
  EXPECT_EQ(listener->events,
            (Events{"should-begin:a", "did-begin", "caret:3", "change:a\xF0\x9F\x99\x82", "caret:4",
                    "change:a\xF0\x9F\x99\x82"
                    "c",
                    "should-end", "should-end", "did-end"}));

  listener->allowBegin = false;
  view.typeText("x");
  UITextView readOnly;
  readOnly.editable = false;
  readOnly.typeText("x");
  EXPECT_EQ(view.text + readOnly.text,
            "a\xF0\x9F\x99\x82"
            "c");
  EXPECT_FALSE(view.isEditing());

  // A plain scroll delegate takes the text view delegate's place.
  const auto plain = std::make_shared<UIScrollViewDelegate>();
  static_cast<UIScrollView&>(view).setDelegate(plain);
  EXPECT_EQ(view.delegate(), nullptr);
  EXPECT_EQ(static_cast<UIScrollView&>(view).delegate(), plain);
}

class ControlListener {
 public:
  void changed(UIControl& sender) {
    const auto* field = dynamic_cast<UITextField*>(&sender);
    events.push_back(!field ? "changed" : field->text + (field->isTypingEntry() ? " typed" : " whole"));
  }
  void began(UIControl& sender) {
    const auto* field = dynamic_cast<UITextField*>(&sender);
    events.push_back(field ? "began:" + field->text : "began");
  }
  void ended(UIControl& sender) {
    const auto* field = dynamic_cast<UITextField*>(&sender);
    events.push_back(field && field->isTypingEntry() ? "ended typed" : "ended");
  }
  template <class Control>
  static std::shared_ptr<ControlListener> on(Control& control) {
    auto listener = std::make_shared<ControlListener>();
    control.addTarget(listener, "changed:", &ControlListener::changed,
                      UIControlEventValueChanged | UIControlEventEditingChanged);
    control.addTarget(listener, "began:", &ControlListener::began, UIControlEventEditingDidBegin);
    control.addTarget(listener, "ended:", &ControlListener::ended, UIControlEventEditingDidEnd);
    return listener;
  }
  Events events;
};

TEST(TextFieldEntry, AnEntryIsTypedCharacterByCharacterUntilEditingEndsOrTheWholeTextIsReplaced) {
  UITextField field;
  const auto listener = ControlListener::on(field);
  field.text = "a";  // from code: silent
  field.typeText("b\xC3\xA9");
  field.replaceAllText("3.5");
  field.endEditing();
  field.endEditing();  // not editing any more
  field.typeText("7");
  field.endEditing();
  EXPECT_FALSE(field.isTypingEntry());
  EXPECT_EQ(listener->events, (Events{"began:a", "ab typed", "ab\xC3\xA9 typed", "3.5 whole", "ended",
                                      "began:3.5", "3.57 typed", "ended typed"}));

  UITextField clearing;
  clearing.text = "old";
  clearing.clearsOnBeginEditing = true;
  clearing.typeText("n");
  UITextField disabled;
  const auto silent = ControlListener::on(disabled);
  disabled.enabled = false;
  disabled.typeText("x");
  EXPECT_EQ(clearing.text + disabled.text, "n");
  EXPECT_TRUE(silent->events.empty());
}

TEST(SliderAndSwitch, AGestureChangesTheValueWithinItsLimitsAndTellsOfIt) {
  UISlider slider;
  slider.setMaximumValue(100);
  const auto slid = ControlListener::on(slider);
  slider.setValue(10);  // from code: silent
  slider.dragToValue(250);
  EXPECT_EQ(slider.value(), 100);
  slider.dragToValue(100);  // already there
  slider.dragToValue(std::nanf(""));
  slider.continuous = false;
  slider.dragToValue(-3);
  EXPECT_EQ(slider.value(), 0);
  slider.enabled = false;
  slider.dragToValue(50);
  // A bound set past the other moves the other, and the value with them, silently.
  slider.setMinimumValue(120);
  EXPECT_EQ(slider.maximumValue(), 120);
  EXPECT_EQ(slider.value(), 120);
  slider.setMaximumValue(-5);
  EXPECT_EQ(slider.minimumValue(), -5);
  EXPECT_EQ(slider.value(), -5);
  EXPECT_EQ(slid->events, (Events{"changed", "changed"}));

  UISwitch toggle;
  const auto flipped = ControlListener::on(toggle);
  toggle.on = true;  // from code: silent
  toggle.tap();
  EXPECT_FALSE(toggle.on);
  toggle.userInteractionEnabled = false;
  toggle.tap();
  EXPECT_FALSE(toggle.on);
  EXPECT_EQ(flipped->events, (Events{"changed"}));
}

TEST(DatePickerEntry, SpinsWithinItsRangeAndOpensAndClosesOnce) {
  UIDatePicker picker;
  const auto listener = ControlListener::on(picker);
  const auto day = [](double days) { return NSDate::dateWithTimeIntervalSince1970(days * 86400).value(); };
  picker.setDate(day(5));  // from code: silent
  picker.minimumDate = day(1);
  picker.maximumDate = day(10);
  picker.spinToDate(day(20));
  EXPECT_EQ(picker.date(), day(10));
  picker.spinToDate(day(10));  // already there
  picker.spinToDate(day(-3));
  EXPECT_EQ(picker.date(), day(1));
  picker.beginEditing();
  picker.beginEditing();
  picker.endEditing();
  picker.endEditing();
  picker.enabled = false;
  picker.spinToDate(day(4));
  EXPECT_EQ(listener->events, (Events{"changed", "changed", "began", "ended"}));
}

class ThreeRows : public UIPickerViewDataSource, public UIPickerViewDelegate {
 public:
  std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView&) override { return 1; }
  std::optional<NSInteger> numberOfRowsInComponent(UIPickerView&, NSInteger) override { return 3; }
  void didSelectRow(UIPickerView&, NSInteger row, NSInteger component) override {
    picked.push_back(std::to_string(row) + "/" + std::to_string(component));
  }
  Events picked;
};

TEST(PickerEntry, OnlyRowsTheDataSourceCountsCanBeChosen) {
  UIPickerView picker;
  auto rows = std::make_shared<ThreeRows>();
  picker.pickRow(0, 0);  // no data source: no rows
  picker.setDataSource(rows);
  picker.setDelegate(rows);
  picker.selectRow(1, 0, false);  // from code: silent
  picker.pickRow(2, 0);
  picker.pickRow(2, 0);
  for (const auto& [row, component] : {std::pair{3, 0}, {-1, 0}, {0, 1}})
    picker.pickRow(row, component);
  EXPECT_EQ(picker.selectedRowInComponent(0), 2);
  EXPECT_EQ(rows->picked, (Events{"2/0", "2/0"}));
  picker.selectRow(4, 1, true);  // rows are kept per component
  EXPECT_EQ(picker.selectedRowInComponent(1), 4);
  EXPECT_EQ(picker.selectedRowInComponent(3), 0);
  EXPECT_THROW(picker.selectRow(-1, 0, false), NSException);
  EXPECT_THROW(picker.selectRow(0, -1, false), NSException);
  EXPECT_EQ(picker.selectedRowInComponent(0), 2);

  // Both are held weakly: once released, the picker has neither.
  rows.reset();
  EXPECT_EQ(picker.dataSource(), nullptr);
  EXPECT_EQ(picker.delegate(), nullptr);
}

/// Fails whatever a gesture tells it (a text view's delegate is a scroll view's delegate too).
class FailingHost : public UITextViewDelegate, public UIPickerViewDataSource, public UIPickerViewDelegate {
 public:
  static void fail() { raiseException(NSGenericException, "the host failed"); }
  void controlEvent(UIControl&) { fail(); }
  void tapped(UIGestureRecognizer&) { fail(); }
  void textViewDidChange(UITextView&) override { fail(); }
  std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView&) override { return 1; }
  std::optional<NSInteger> numberOfRowsInComponent(UIPickerView&, NSInteger) override { return 3; }
  void didSelectRow(UIPickerView&, NSInteger, NSInteger) override { fail(); }
  void scrollViewWillBeginDragging(UIScrollView&) override { fail(); }
};

TEST(UserEntry, APlatformExceptionFromWhatAGestureSetsOffEndsTheGestureAndIsKept) {
  const auto host = std::make_shared<FailingHost>();
  UISwitch toggle;
  UISlider slider;
  UIDatePicker datePicker;
  UITextField field;
  for (UIControl* control : std::initializer_list<UIControl*>{&toggle, &slider, &datePicker, &field})
    control->addTarget(host, "controlEvent:", &FailingHost::controlEvent, UIControlEventAllEvents);
  UITextView textView;
  textView.setDelegate(host);
  UIPickerView picker;
  picker.setDataSource(host);
  picker.setDelegate(host);
  const auto scroll = std::make_shared<UIScrollView>(CGRectMake(0, 0, 10, 10));
  scroll->setDelegate(host);
  const auto tappable = std::make_shared<UIView>(CGRectMake(0, 0, 10, 10));
  tappable->addGestureRecognizer(
      std::make_shared<UITapGestureRecognizer>(host, "tapped:", &FailingHost::tapped));

  const std::function<void()> gestures[] = {
      [&] { toggle.tap(); },
      [&] { slider.dragToValue(1); },
      [&] { datePicker.spinToDate(NSDate::dateWithTimeIntervalSince1970(86400).value()); },
      [&] { datePicker.beginEditing(); },
      [&] { field.typeText("1"); },
      [&] { textView.typeText("x"); },
      [&] { picker.pickRow(1, 0); },
      [&] { scroll->drag({CGPointMake(0, -5)}); },
      [&] { tapAt(*tappable, CGPointMake(5, 5)); },
  };
  ExceptionRecord record;
  const ExceptionRecordScope scope(record);
  for (std::size_t i = 0; i < std::size(gestures); ++i) {
    SCOPED_TRACE(i);
    record.clear();
    EXPECT_NO_THROW(gestures[i]());
    ASSERT_TRUE(record.last());
    EXPECT_EQ(record.last()->reason(), "the host failed");
  }
}

void failingStep() {
  raiseException(NSRangeException, "index 3 beyond bounds [0 .. 1]");
}

TEST(SwallowedExceptions, TheInnermostScopeKeepsTheLastOneAndTheHandlerHearsEach) {
  ExceptionRecord outer;
  ExceptionRecord inner;
  std::vector<std::string> heard;
  runProtected(failingStep);  // outside any scope: nowhere to keep it, and nothing breaks
  setSwallowedExceptionHandler([&](const NSException& e) { heard.push_back(e.reason()); });
  {
    const ExceptionRecordScope outerScope(outer);
    {
      const ExceptionRecordScope innerScope(inner);
      runProtected(failingStep);
      runProtected([] { raiseException(NSGenericException, "second"); });
    }
    EXPECT_FALSE(outer.last()) << "the inner scope took it";
    runProtected(failingStep);
  }
  setSwallowedExceptionHandler(nullptr);
  runProtected(failingStep);
  ASSERT_TRUE(inner.last());
  EXPECT_EQ(inner.last()->reason(), "second") << "the last one is kept";
  ASSERT_TRUE(outer.last());
  EXPECT_EQ(outer.last()->name(), NSRangeException);
  runProtected([] {});
  EXPECT_TRUE(outer.last()) << "a step that succeeds does not clear the record";
  EXPECT_EQ(heard, (std::vector<std::string>{"index 3 beyond bounds [0 .. 1]", "second",
                                             "index 3 beyond bounds [0 .. 1]"}));
}

}  // namespace
}  // namespace tarnavel
