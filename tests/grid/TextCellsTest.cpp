#include <gtest/gtest.h>

#include "GridTestSupport.h"

namespace tarnavel {
namespace {

using testing::bind;
using testing::cellAt;
using testing::columnOf;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;

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

    const auto even = cellAt<DataGridLabelCell>(*column, 0);
    const auto odd = cellAt<DataGridLabelCell>(*column, 1);
    EXPECT_EQ(even->backgroundColor(), nullptr);
    EXPECT_EQ(even->label->backgroundColor(), evenLabel);
    EXPECT_EQ(odd->backgroundColor(), kRed);
    EXPECT_EQ(odd->label->backgroundColor(), oddLabel);
    const auto& evenButton = cellAt<DataGridButtonCell>(*buttons, 0)->button;
    const auto& oddButton = cellAt<DataGridButtonCell>(*buttons, 1)->button;
    EXPECT_EQ(evenButton->backgroundColor(), white);
    EXPECT_EQ(evenButton->titleLabel()->backgroundColor(), white);
    EXPECT_EQ(oddButton->backgroundColor(), kRed);
    EXPECT_EQ(oddButton->titleLabel()->backgroundColor(), nullptr);
  }
}

TEST(TextCells, CellBordersFallBackFromColumnToGrid) {
  for (const auto& [columnColor, columnWidth, expectedColor, expectedWidth] :
       {std::tuple{kDataGridUnsetColor(), 0.0, kRed, 2.0}, {kBlue, 0.5, kBlue, 0.5}}) {
    const auto grid = makeGrid();
    grid->cellBorderColor = kRed;
    grid->cellBorderWidth = 2;
    const testing::Columns columns = {labelColumn("L", 0), columnOf<DataGridImageColumn>(0),
                                      columnOf<DataGridTextFieldColumn>(0)};
    for (const auto& column : columns) {
      column->borderColor = columnColor;
      column->borderWidth = columnWidth;
    }
    bind(*grid, columns, makeRecords({{"x"}}));
    for (const auto& column : grid->Columns) {
      const CALayer& layer = *(*column->Cells)[0]->layer();
      EXPECT_EQ(layer.borderColor, expectedColor->CGColor());
      EXPECT_EQ(layer.borderWidth, expectedWidth);
    }
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

  const auto labelOf = [](const DataGridColumn& c) { return cellAt<DataGridLabelCell>(c, 0)->label; };
  EXPECT_EQ(labelOf(*plain)->textColor(), kBlue);
  EXPECT_EQ(labelOf(*plain)->font(), grid->datagridFont);
  EXPECT_EQ(labelOf(*styled)->textColor(), kRed);
  EXPECT_EQ(labelOf(*styled)->font(), courier);
  const auto textField = cellAt<DataGridTextFieldCell>(*field, 0)->textField;
  EXPECT_EQ(textField->textColor, kRed);
  EXPECT_EQ(textField->font, grid->datagridFont);
  EXPECT_EQ(textField->layer()->cornerRadius, 4);
  EXPECT_EQ(textField->layer()->borderColor, kBlue->CGColor());
  EXPECT_EQ(textField->layer()->borderWidth, 0);
  const auto buttonOf = [](const DataGridColumn& c) { return cellAt<DataGridButtonCell>(c, 0)->button; };
  EXPECT_EQ(buttonOf(*plainButtons)->titleForState(UIControlStateNormal), "Open");
  EXPECT_EQ(buttonOf(*plainButtons)->titleColorForState(UIControlStateNormal), kBlue);
  EXPECT_EQ(buttonOf(*plainButtons)->titleLabel()->font(), grid->datagridFont);
  EXPECT_EQ(buttonOf(*styledButtons)->titleColorForState(UIControlStateNormal), kRed);
  EXPECT_EQ(buttonOf(*styledButtons)->titleLabel()->font(), courier);
}

TEST(TextCells, FieldsThatAreNotTextsShowTheirDescription) {
  const auto column = labelColumn("N", 0);
  bind(*makeGrid(), {column}, Value::newArray({Value::newArray({Value(42)}), Value::newArray({Value()})}));
  EXPECT_EQ(cellAt<DataGridLabelCell>(*column, 0)->label->text(), "42");
  EXPECT_FALSE(cellAt<DataGridLabelCell>(*column, 1)->label->text().has_value());
}

TEST(TextCells, ImageNameWithoutAnImageStillMakesATappableCell) {
  const testing::HostImages images({{"dot", {2, 2}}});
  const auto column = columnOf<DataGridImageColumn>(0);
  bind(*makeGrid(), {column}, makeRecords({{"dot"}, {"missing"}}));
  EXPECT_NE(cellAt<DataGridImageCell>(*column, 0)->image->image, nullptr);
  const auto empty = cellAt<DataGridImageCell>(*column, 1);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->image->image, nullptr);
  ASSERT_EQ(empty->image->gestureRecognizers().size(), 1u);
  EXPECT_EQ(empty->image->gestureRecognizers()[0]->accessibilityValue, Value("missing"));
  EXPECT_TRUE(empty->image->userInteractionEnabled);
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
  EXPECT_EQ(textField->keyboardType, 1);
  EXPECT_EQ(textField->returnKeyType, 9);
  EXPECT_EQ(textField->contentHorizontalAlignment, 3);
  EXPECT_EQ(textField->textAlignment, NSTextAlignment::Center);
  const auto textView = cellAt<DataGridTextViewCell>(*view, 0)->textView;
  EXPECT_EQ(textView->text, "note");
  EXPECT_EQ(textView->keyboardType, 7);
  EXPECT_EQ(textView->returnKeyType, 9);
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
  label->cellTemplate->setAlpha(0.5);
  const auto image = columnOf<DataGridImageColumn>(0);
  image->cellTemplate->animationRepeatCount = 3;
  const auto button = columnOf<DataGridButtonColumn>(0);
  button->cellTemplate->imageEdgeInsets = UIEdgeInsetsMake(1, 1, 1, 1);
  const auto field = columnOf<DataGridTextFieldColumn>(0);
  field->cellTemplate->leftView = std::make_shared<UIView>();
  field->cellTemplate->setMotionEffects(Value::newArray({"tilt"}));
  const auto view = columnOf<DataGridTextViewColumn>(0);
  view->cellTemplate->textContainerInset = UIEdgeInsetsMake(2, 2, 2, 2);
  const auto slider = columnOf<DataGridSliderColumn>(0);
  slider->cellTemplate->thumbTintColor = kRed;
  slider->cellTemplate->tag = 7;
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
  bind(*grid, {label, image, button, field, view, slider, toggle, datePicker, picker},
       makeRecords({{"1"}, {"0"}}));

  for (std::size_t row = 0; row < 2; ++row) {
    const auto l = cellAt<DataGridLabelCell>(*label, row)->label;
    EXPECT_EQ(l->numberOfLines, 0);
    EXPECT_FLOAT_EQ(l->alpha(), 0.5);
    EXPECT_EQ(cellAt<DataGridImageCell>(*image, row)->image->animationRepeatCount, 3);
    EXPECT_EQ(cellAt<DataGridButtonCell>(*button, row)->button->imageEdgeInsets,
              UIEdgeInsetsMake(1, 1, 1, 1));
    const auto f = cellAt<DataGridTextFieldCell>(*field, row)->textField;
    EXPECT_EQ(f->leftView, field->cellTemplate->leftView);
    EXPECT_EQ(f->motionEffects(), Value::newArray({"tilt"}));
    EXPECT_EQ(cellAt<DataGridTextViewCell>(*view, row)->textView->textContainerInset,
              UIEdgeInsetsMake(2, 2, 2, 2));
    const UISlider& s = *cellAt<DataGridSliderCell>(*slider, row)->slider;
    EXPECT_EQ(s.thumbTintColor, kRed);
    EXPECT_EQ(s.tag, 7);
    EXPECT_EQ(s.layer()->cornerRadius, 4);
    EXPECT_EQ(s.frame(), CGRectMake(0, 0, 70, 20));
    EXPECT_FALSE(cellAt<DataGridSwitchCell>(*toggle, row)->Switch->enabled);
    EXPECT_EQ(cellAt<DataGridDatePickerCell>(*datePicker, row)->picker->minuteInterval, 15);
    EXPECT_TRUE(cellAt<DataGridPickerCell>(*picker, row)->picker->showsSelectionIndicator);
  }
}

}  // namespace
}  // namespace tarnavel
