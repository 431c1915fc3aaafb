#include <gtest/gtest.h>

#include <tuple>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel::testing {
namespace {

const std::shared_ptr<UIColor> kRed = UIColor::colorWithRed(1, 0, 0, 1);
const std::shared_ptr<UIColor> kBlue = UIColor::colorWithRed(0, 0, 1, 1);

// A button's title label keeps no colour of its own on odd rows: only the button takes the alternating one.
TEST(TextCells, OddRowsTakeTheAlternatingColourUnlessTheTemplateSetsOne) {
  const auto white = UIColor::whiteColor();
  for (const auto& [templateBackground, oddLabel, evenLabel] :
       {std::tuple{kBlue, kBlue, kBlue}, {kDataGridUnsetColor(), kRed, white}}) {
    const auto grid = makeGrid();
    grid->setBackgroundColor(white);  // the columns' background falls back to it
    grid->alternatingBackgroundColor = kRed;
    const auto column = labelColumn("A", 0);
    column->cellTemplate->setBackgroundColor(templateBackground);
    const auto buttons = columnOf<DataGridButtonColumn>(0);
    bind(*grid, {column, buttons}, makeRecords({{"even"}, {"odd"}}));

    EXPECT_EQ(backgroundsOf(*column), (Colors{nullptr, evenLabel, kRed, oddLabel}));
    EXPECT_EQ(backgroundsOf(*buttons), (Colors{nullptr, white, kRed, kRed}));
    EXPECT_EQ(cellAt<DataGridButtonCell>(*buttons, 0)->button->titleLabel()->backgroundColor(), white);
    EXPECT_EQ(cellAt<DataGridButtonCell>(*buttons, 1)->button->titleLabel()->backgroundColor(), nullptr);
  }
}

TEST(TextCells, TemplateColoursAndFontsOverrideTheColumnsOnlyWhenSet) {
  const auto courier = UIFont::fontWithName("Courier", 9);
  const auto grid = makeGrid();
  grid->foregroundColor = kBlue;
  const auto plain = labelColumn("P", 0);
  const auto styled = labelColumn("S", 0);
  styled->cellTemplate->setTextColor(kRed);
  styled->cellTemplate->setFont(courier);
  const auto field = columnOf<DataGridTextFieldColumn>(0);
  field->cellTemplate->textColor = kRed;
  field->cellTemplate->layer()->cornerRadius = 4;
  field->cellTemplate->layer()->borderColor = kBlue->CGColor();
  const auto plainButtons = columnOf<DataGridButtonColumn>(0);
  const auto styledButtons = columnOf<DataGridButtonColumn>(0);
  styledButtons->cellTemplate->titleLabel()->setTextColor(kRed);
  styledButtons->cellTemplate->titleLabel()->setFont(courier);
  bind(*grid, {plain, styled, field, plainButtons, styledButtons}, makeRecords({{"Open"}}));

  const auto labelLook = [](const DataGridColumn& c) {
    const UILabel& label = *cellAt<DataGridLabelCell>(c, 0)->label;
    return std::tuple(label.textColor(), label.font());
  };
  EXPECT_EQ(labelLook(*plain), std::tuple(kBlue, grid->datagridFont));
  EXPECT_EQ(labelLook(*styled), std::tuple(kRed, courier));
  const UITextField& textField = *cellAt<DataGridTextFieldCell>(*field, 0)->textField;
  EXPECT_EQ(std::tuple(textField.textColor, textField.font), std::tuple(kRed, grid->datagridFont));
  const CALayer& fieldLayer = *textField.layer();
  EXPECT_EQ(std::tuple(fieldLayer.cornerRadius, fieldLayer.borderColor, fieldLayer.borderWidth),
            std::tuple(4.0, kBlue->CGColor(), 0.0));
  const auto buttonLook = [](const DataGridColumn& c) {
    const UIButton& button = *cellAt<DataGridButtonCell>(c, 0)->button;
    return std::tuple(button.titleForState(UIControlStateNormal),
                      button.titleColorForState(UIControlStateNormal), button.titleLabel()->font());
  };
  EXPECT_EQ(buttonLook(*plainButtons), std::tuple("Open", kBlue, grid->datagridFont));
  EXPECT_EQ(buttonLook(*styledButtons), std::tuple("Open", kRed, courier));
}

TEST(TextCells, FieldsThatAreNotTextsShowTheirDescription) {
  const auto column = labelColumn("N", 0);
  bind(*makeGrid(), {column}, Value::newArray({Value::newArray({Value(42)}), Value::newArray({Value()})}));
  EXPECT_EQ(cellAt<DataGridLabelCell>(*column, 0)->label->text(), "42");
  EXPECT_FALSE(cellAt<DataGridLabelCell>(*column, 1)->label->text().has_value());
}

TEST(TextCells, ImageNameWithoutAnImageStillMakesATappableCell) {
  const HostImages images({{"dot", {2, 2}}});
  const auto column = columnOf<DataGridImageColumn>(0);
  bind(*makeGrid(), {column}, makeRecords({{"dot"}, {"missing"}}));
  EXPECT_NE(cellAt<DataGridImageCell>(*column, 0)->image->image, nullptr);
  const UIImageView& missing = *cellAt<DataGridImageCell>(*column, 1)->image;
  EXPECT_EQ(missing.image, nullptr);
  ASSERT_EQ(missing.gestureRecognizers().size(), 1u);
  EXPECT_EQ(missing.gestureRecognizers()[0]->accessibilityValue, Value("missing"));
  EXPECT_TRUE(missing.userInteractionEnabled);
}

// The recognizer carries the record's row, the column's place in Columns (not its field) and the field as
// it was at bind time.
TEST(TextCells, AButtonCellsOneRecognizerCarriesItsPlaceAndValueAndReportsTheTap) {
  const auto grid = makeGrid();
  grid->RowHeight = 20;
  const auto buttons = columnOf<DataGridButtonColumn>(0);
  bind(*grid, {labelColumn("F", 1), buttons}, makeRecords({{"a0", "a1"}, {"b0", "b1"}}));
  grid->DataSource.at(1).replaceAt(0, Value("edited"));
  const auto recorder = std::make_shared<EventRecorder>();
  grid->setDelegate(recorder);

  const auto& recognizers = cellAt<DataGridButtonCell>(*buttons, 1)->button->gestureRecognizers();
  ASSERT_EQ(recognizers.size(), 1u);
  const UIGestureRecognizer& tap = *recognizers[0];
  EXPECT_EQ(std::tuple(tap.accessibilityHint, tap.accessibilityLabel, tap.accessibilityValue),
            std::tuple("1", "1", Value("b0")));
  EXPECT_TRUE(tap.hasTarget(grid.get(), "tappedCell:"));
  EXPECT_EQ(tapAt(*grid, {70 + 35, grid->HeaderHeight + 20 + 10}), 1);
  EXPECT_EQ(recorder->events, (Events{"tap 1,1 b0"}));
}

// The column's placeholder survives the template copy of the (separate) styled placeholder.
TEST(TextCells, TextEntryColumnSettingsAndTheTemplateReachTheControls) {
  const auto field = columnOf<DataGridTextFieldColumn>(0);
  field->placeholder = "name";
  field->TextAlignment = 1;
  field->cellTemplate->attributedPlaceholder = "styled";
  const auto view = columnOf<DataGridTextViewColumn>(0);
  view->keyboardType = 7;
  view->cellTemplate->editable = false;
  view->cellTemplate->contentInset = UIEdgeInsetsMake(1, 2, 3, 4);
  bind(*makeGrid(), {field, view}, makeRecords({{"note"}}));
  const auto textField = cellAt<DataGridTextFieldCell>(*field, 0)->textField;
  EXPECT_EQ(textField->text, "note");
  EXPECT_EQ(textField->placeholder, "name");
  EXPECT_EQ(textField->attributedPlaceholder, "styled");
  EXPECT_EQ(
      std::tuple(textField->keyboardType, textField->returnKeyType, textField->contentHorizontalAlignment),
      std::tuple(1, 9, 3));
  EXPECT_EQ(textField->textAlignment, NSTextAlignment::Center);
  const auto textView = cellAt<DataGridTextViewCell>(*view, 0)->textView;
  EXPECT_EQ(textView->text, "note");
  EXPECT_EQ(std::tuple(textView->keyboardType, textView->returnKeyType), std::tuple(7, 9));
  EXPECT_FALSE(textView->editable);
  EXPECT_EQ(textView->contentInset, UIEdgeInsetsMake(1, 2, 3, 4));
}

// The copy runs before the recognizer: the template's interaction setting holds only where none is added.
TEST(TemplateCopy, InteractionSettingHoldsOnlyWithoutARecognizer) {
  for (const bool recognizeCellTapped : {false, true}) {
    const auto field = columnOf<DataGridTextFieldColumn>(0);
    field->recognizeCellTapped = recognizeCellTapped;
    field->cellTemplate->userInteractionEnabled = false;
    const auto view = columnOf<DataGridTextViewColumn>(0);
    view->recognizeCellTapped = recognizeCellTapped;
    view->cellTemplate->userInteractionEnabled = false;
    const auto label = labelColumn("L", 0);
    label->cellTemplate->userInteractionEnabled = false;
    bind(*makeGrid(), {field, view, label}, makeRecords({{"x"}}));
    const auto& textField = *cellAt<DataGridTextFieldCell>(*field, 0)->textField;
    EXPECT_EQ(textField.userInteractionEnabled, recognizeCellTapped);
    EXPECT_EQ(textField.gestureRecognizers().size(), recognizeCellTapped ? 1u : 0u);
    EXPECT_EQ(cellAt<DataGridTextViewCell>(*view, 0)->textView->userInteractionEnabled, recognizeCellTapped);
    EXPECT_TRUE(cellAt<DataGridLabelCell>(*label, 0)->label->userInteractionEnabled);
  }
}

// The copy leaves the control's place alone: a template's transform does not reach the scaled controls.
TEST(TemplateCopy, TemplateSettingsReachEveryKindOfCellControl) {
  const auto label = labelColumn("L", 0);
  label->cellTemplate->numberOfLines = 0;
  const auto image = columnOf<DataGridImageColumn>(0);
  image->cellTemplate->animationRepeatCount = 3;
  const auto button = columnOf<DataGridButtonColumn>(0);
  button->cellTemplate->imageEdgeInsets = UIEdgeInsetsMake(1, 1, 1, 1);
  const auto field = columnOf<DataGridTextFieldColumn>(0);
  field->cellTemplate->leftView = std::make_shared<UIView>();
  const auto view = columnOf<DataGridTextViewColumn>(0);
  view->cellTemplate->textContainerInset = UIEdgeInsetsMake(2, 2, 2, 2);
  const auto slider = columnOf<DataGridSliderColumn>(0);
  slider->cellTemplate->thumbTintColor = kRed;
  slider->cellTemplate->setTransform(CGAffineTransformMakeScale(3, 3));
  slider->cellTemplate->layer()->cornerRadius = 4;
  const auto toggle = columnOf<DataGridSwitchColumn>(0);
  toggle->cellTemplate->enabled = false;
  const auto datePicker = columnOf<DataGridDatePickerColumn>(0);
  datePicker->cellTemplate->minuteInterval = 15;
  const auto picker = columnOf<DataGridPickerColumn>(0);
  picker->cellTemplate->showsSelectionIndicator = true;
  const auto grid = makeGrid();
  grid->RowHeight = 20;
  bind(*grid, {label, image, button, field, view, slider, toggle, datePicker, picker}, makeRecords({{"1"}}));

  EXPECT_EQ(cellAt<DataGridLabelCell>(*label, 0)->label->numberOfLines, 0);
  EXPECT_EQ(cellAt<DataGridImageCell>(*image, 0)->image->animationRepeatCount, 3);
  EXPECT_EQ(cellAt<DataGridButtonCell>(*button, 0)->button->imageEdgeInsets, UIEdgeInsetsMake(1, 1, 1, 1));
  EXPECT_EQ(cellAt<DataGridTextFieldCell>(*field, 0)->textField->leftView, field->cellTemplate->leftView);
  EXPECT_EQ(cellAt<DataGridTextViewCell>(*view, 0)->textView->textContainerInset,
            UIEdgeInsetsMake(2, 2, 2, 2));
  const UISlider& s = *cellAt<DataGridSliderCell>(*slider, 0)->slider;
  EXPECT_EQ(std::tuple(s.thumbTintColor, s.layer()->cornerRadius, s.frame()),
            std::tuple(kRed, 4.0, CGRectMake(0, 0, 70, 20)));
  EXPECT_FALSE(cellAt<DataGridSwitchCell>(*toggle, 0)->Switch->enabled);
  EXPECT_EQ(cellAt<DataGridDatePickerCell>(*datePicker, 0)->picker->minuteInterval, 15);
  EXPECT_TRUE(cellAt<DataGridPickerCell>(*picker, 0)->picker->showsSelectionIndicator);
}

}  // namespace
}  // namespace tarnavel::testing
