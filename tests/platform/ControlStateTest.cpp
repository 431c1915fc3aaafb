#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/platform/controls/UIButton.h"
#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/controls/UITextView.h"
#include "tarnavel/platform/render/RecordingContext.h"

namespace tarnavel {
namespace {

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

TEST(Button, TitlesAndColoursFallBackToTheNormalState) {
  UIButton button;
  EXPECT_FALSE(button.titleForState(UIControlStateNormal).has_value());
  button.setTitle("Go", UIControlStateNormal);
  button.setTitle("Going", UIControlStateHighlighted);
  EXPECT_EQ(button.titleForState(UIControlStateHighlighted), "Going");
  EXPECT_EQ(button.titleForState(UIControlStateSelected), "Go");

  const auto red = UIColor::colorWithRed(1, 0, 0, 1);
  EXPECT_EQ(button.titleColorForState(UIControlStateNormal), nullptr);
  button.setTitleColor(red, UIControlStateNormal);
  EXPECT_EQ(button.titleColorForState(UIControlStateDisabled), red);
  EXPECT_TRUE(button.subviews().empty());
  EXPECT_NE(button.titleLabel(), UIButton().titleLabel());
}

class EditingEvents {
 public:
  void began(UIControl&) { events.push_back("began:" + text()); }
  void changed(UITextField& field) { events.push_back("changed:" + field.text); }
  void ended(UIControl&) { events.push_back("ended"); }
  std::string text() const { return field ? field->text : ""; }

  std::shared_ptr<UITextField> field;
  std::vector<std::string> events;
};

std::shared_ptr<EditingEvents> listenTo(const std::shared_ptr<UITextField>& field) {
  auto listener = std::make_shared<EditingEvents>();
  listener->field = field;
  field->addTarget(listener, "began:", &EditingEvents::began, UIControlEventEditingDidBegin);
  field->addTarget(listener, "changed:", &EditingEvents::changed, UIControlEventEditingChanged);
  field->addTarget(listener, "ended:", &EditingEvents::ended, UIControlEventEditingDidEnd);
  return listener;
}

TEST(TextField, TypingSendsTheEventsAPersonWould) {
  const auto field = std::make_shared<UITextField>(CGRectMake(0, 0, 80, 20));
  const auto listener = listenTo(field);
  field->text = "set from code";  // sends nothing
  field->text = "a";
  field->typeText("bé");
  field->typeText("c");
  field->endEditing();
  field->endEditing();
  EXPECT_EQ(listener->events,
            (std::vector<std::string>{"began:a", "changed:ab", "changed:abé", "changed:abéc", "ended"}));
  EXPECT_FALSE(field->isEditing());
}

TEST(TextField, ClearsOnBeginAndIgnoresTypingWhenDisabled) {
  const auto field = std::make_shared<UITextField>();
  const auto listener = listenTo(field);
  field->text = "old";
  field->clearsOnBeginEditing = true;
  field->typeText("n");
  EXPECT_EQ(field->text, "n");

  const auto disabled = std::make_shared<UITextField>();
  const auto silent = listenTo(disabled);
  disabled->enabled = false;
  disabled->typeText("x");
  EXPECT_EQ(disabled->text, "");
  EXPECT_TRUE(silent->events.empty());
}

TEST(Slider, ValueStaysWithinTheBounds) {
  UISlider slider;
  slider.setMaximumValue(100);
  slider.setValue(150);
  EXPECT_EQ(slider.value(), 100);
  slider.setMinimumValue(120);  // above the maximum: both move
  EXPECT_EQ(slider.maximumValue(), 120);
  EXPECT_EQ(slider.value(), 120);
  slider.setMaximumValue(-5);
  EXPECT_EQ(slider.minimumValue(), -5);
  EXPECT_EQ(slider.value(), -5);
  slider.setValue(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(slider.value(), -5);
}

TEST(TextView, DelegateIsAlsoItsScrollDelegate) {
  struct Listener : UITextViewDelegate {};
  UITextView view;
  const auto listener = std::make_shared<Listener>();
  view.setDelegate(listener);
  EXPECT_EQ(view.delegate(), listener);
  EXPECT_EQ(static_cast<UIScrollView&>(view).delegate(), listener);
  view.UIScrollView::setDelegate(std::make_shared<UIScrollViewDelegate>());
  EXPECT_EQ(view.delegate(), nullptr);
}

TEST(ControlLook, TextFieldDrawsItsTextOrItsPlaceholder) {
  UITextField field(CGRectMake(0, 0, 80, 20));
  field.placeholder = "Name";
  field.borderStyle = 3;
  RecordingContext empty;
  field.drawContent(empty);
  const auto placeholder = empty.recordsOfKind(DrawingRecord::Kind::DrawText);
  ASSERT_EQ(placeholder.size(), 1u);
  EXPECT_EQ(placeholder[0].text.text, "Name");
  EXPECT_EQ(empty.recordsOfKind(DrawingRecord::Kind::StrokePath).size(), 1u);

  field.text = "Ada";
  field.textColor = UIColor::colorWithRed(0, 0, 1, 1);
  RecordingContext typed;
  field.drawContent(typed);
  const auto text = typed.recordsOfKind(DrawingRecord::Kind::DrawText);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].text.text, "Ada");
  EXPECT_EQ(text[0].text.color, field.textColor->CGColor());
}

TEST(ControlLook, ButtonDrawsTheTitleOfItsStateInTheTitleColour) {
  UIButton button(CGRectMake(0, 0, 60, 20));
  button.setTitle("Go", UIControlStateNormal);
  const auto green = UIColor::colorWithRed(0, 1, 0, 1);
  button.setTitleColor(green, UIControlStateNormal);
  RecordingContext context;
  button.drawContent(context);
  const auto title = context.recordsOfKind(DrawingRecord::Kind::DrawText);
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].text.text, "Go");
  EXPECT_EQ(title[0].text.color, green->CGColor());
}

TEST(ControlLook, SliderThumbFollowsTheValue) {
  UISlider slider(CGRectMake(0, 0, 114, 20));
  slider.setMaximumValue(10);
  auto thumbCentre = [&](float value) {
    slider.setValue(value);
    RecordingContext context;
    slider.drawContent(context);
    const CGRect box = context.recordsOfKind(DrawingRecord::Kind::FillPath).back().path.boundingBox();
    return CGRectGetMidX(box);
  };
  EXPECT_DOUBLE_EQ(thumbCentre(0), 7);
  EXPECT_DOUBLE_EQ(thumbCentre(5), 57);
  EXPECT_DOUBLE_EQ(thumbCentre(10), 107);
}

}  // namespace
}  // namespace tarnavel
