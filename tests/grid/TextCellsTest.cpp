#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;

const std::shared_ptr<UIColor> kRed = UIColor::colorWithRed(1, 0, 0, 1);
const std::shared_ptr<UIColor> kBlue = UIColor::colorWithRed(0, 0, 1, 1);

template <class Column>
std::shared_ptr<Column> columnOn(NSInteger field) {
  auto column = std::make_shared<Column>();
  column->dataFieldIndex = field;
  return column;
}

std::shared_ptr<UIDataGrid> boundGrid(std::vector<std::shared_ptr<DataGridColumn>> columns, Value records) {
  auto grid = makeGrid();
  grid->Columns = std::move(columns);
  grid->DataSource = std::move(records);
  grid->DataBind();
  return grid;
}

TEST(TextCells, OddRowsTakeTheAlternatingColourUnlessTheTemplateSetsOne) {
  struct Case {
    std::shared_ptr<UIColor> templateBackground;
    std::shared_ptr<UIColor> oddLabel;
    std::shared_ptr<UIColor> evenLabel;
  };
  const auto white = UIColor::whiteColor();
  for (const Case& c : {Case{kBlue, kBlue, kBlue}, Case{kDataGridUnsetColor(), kRed, white}}) {
    const auto grid = makeGrid();
    grid->setBackgroundColor(white);  // the column's background falls back to it
    grid->alternatingBackgroundColor = kRed;
    const auto column = labelColumn("A", 0);
    column->cellTemplate->setBackgroundColor(c.templateBackground);
    grid->Columns = {column};
    grid->DataSource = makeRecords({{"even"}, {"odd"}});
    grid->DataBind();

    const auto even = cellAt<DataGridLabelCell>(*column, 0);
    const auto odd = cellAt<DataGridLabelCell>(*column, 1);
    EXPECT_EQ(even->backgroundColor(), nullptr);
    EXPECT_EQ(even->label->backgroundColor(), c.evenLabel);
    EXPECT_EQ(odd->backgroundColor(), kRed);
    EXPECT_EQ(odd->label->backgroundColor(), c.oddLabel);
  }
}

TEST(TextCells, ButtonOddRowsKeepTheAlternatingColourOnTheButtonOnly) {
  const auto grid = makeGrid();
  grid->alternatingBackgroundColor = kRed;
  grid->setBackgroundColor(UIColor::whiteColor());
  const auto column = columnOn<DataGridButtonColumn>(0);
  grid->Columns = {column};
  grid->DataSource = makeRecords({{"even"}, {"odd"}});
  grid->DataBind();
  const auto even = cellAt<DataGridButtonCell>(*column, 0);
  const auto odd = cellAt<DataGridButtonCell>(*column, 1);
  EXPECT_EQ(even->button->backgroundColor(), UIColor::whiteColor());
  EXPECT_EQ(even->button->titleLabel()->backgroundColor(), UIColor::whiteColor());
  EXPECT_EQ(odd->button->backgroundColor(), kRed);
  EXPECT_EQ(odd->button->titleLabel()->backgroundColor(), nullptr);
}

TEST(TextCells, CellBordersFallBackFromColumnToGrid) {
  struct Case {
    std::shared_ptr<UIColor> columnColor;
    CGFloat columnWidth;
    std::shared_ptr<UIColor> expectedColor;
    CGFloat expectedWidth;
  };
  for (const Case& c : {Case{kDataGridUnsetColor(), 0, kRed, 2}, Case{kBlue, 0.5, kBlue, 0.5}}) {
    const auto grid = makeGrid();
    grid->cellBorderColor = kRed;
    grid->cellBorderWidth = 2;
    const auto label = labelColumn("L", 0);
    const auto image = columnOn<DataGridImageColumn>(0);
    const auto field = columnOn<DataGridTextFieldColumn>(0);
    for (const std::shared_ptr<DataGridColumn>& column :
         std::vector<std::shared_ptr<DataGridColumn>>{label, image, field}) {
      column->borderColor = c.columnColor;
      column->borderWidth = c.columnWidth;
      grid->Columns.push_back(column);
    }
    grid->DataSource = makeRecords({{"x"}});
    grid->DataBind();
    for (const auto& column : grid->Columns) {
      const CALayer& layer = *(*column->Cells)[0]->layer();
      EXPECT_EQ(layer.borderColor, c.expectedColor->CGColor());
      EXPECT_EQ(layer.borderWidth, c.expectedWidth);
    }
  }
}

TEST(TextCells, TemplateColoursAndFontsOverrideOnlyWhenSet) {
  const auto courier = UIFont::fontWithName("Courier", 9);
  const auto grid = makeGrid();
  grid->foregroundColor = kBlue;
  const auto plain = labelColumn("P", 0);
  const auto styled = labelColumn("S", 0);
  styled->cellTemplate->setTextColor(kRed);
  styled->cellTemplate->setFont(courier);
  const auto field = columnOn<DataGridTextFieldColumn>(0);
  field->cellTemplate->textColor = kRed;
  field->cellTemplate->layer()->cornerRadius = 4;
  field->cellTemplate->layer()->borderColor = kBlue->CGColor();
  grid->Columns = {plain, styled, field};
  grid->DataSource = makeRecords({{"x"}});
  grid->DataBind();

  const auto plainLabel = cellAt<DataGridLabelCell>(*plain, 0)->label;
  EXPECT_EQ(plainLabel->textColor(), kBlue);
  EXPECT_EQ(plainLabel->font(), grid->datagridFont);
  const auto styledLabel = cellAt<DataGridLabelCell>(*styled, 0)->label;
  EXPECT_EQ(styledLabel->textColor(), kRed);
  EXPECT_EQ(styledLabel->font(), courier);
  const auto textField = cellAt<DataGridTextFieldCell>(*field, 0)->textField;
  EXPECT_EQ(textField->textColor, kRed);
  EXPECT_EQ(textField->font, grid->datagridFont);
  EXPECT_EQ(textField->layer()->cornerRadius, 4);
  EXPECT_EQ(textField->layer()->borderColor, kBlue->CGColor());
  EXPECT_EQ(textField->layer()->borderWidth, 0);
}

TEST(TextCells, ButtonShowsTheFieldAsItsTitle) {
  const auto grid = makeGrid();
  grid->foregroundColor = kBlue;
  const auto plain = columnOn<DataGridButtonColumn>(0);
  const auto styled = columnOn<DataGridButtonColumn>(0);
  const auto courier = UIFont::fontWithName("Courier", 9);
  styled->cellTemplate->titleLabel()->setTextColor(kRed);
  styled->cellTemplate->titleLabel()->setFont(courier);
  grid->Columns = {plain, styled};
  grid->DataSource = makeRecords({{"Open"}});
  grid->DataBind();
  const auto plainButton = cellAt<DataGridButtonCell>(*plain, 0)->button;
  EXPECT_EQ(plainButton->titleForState(UIControlStateNormal), "Open");
  EXPECT_EQ(plainButton->titleColorForState(UIControlStateNormal), kBlue);
  EXPECT_EQ(plainButton->titleLabel()->font(), grid->datagridFont);
  const auto styledButton = cellAt<DataGridButtonCell>(*styled, 0)->button;
  EXPECT_EQ(styledButton->titleColorForState(UIControlStateNormal), kRed);
  EXPECT_EQ(styledButton->titleLabel()->font(), courier);
}

TEST(TextCells, FieldsThatAreNotTextsShowTheirDescription) {
  const auto column = labelColumn("N", 0);
  Value records = Value::newArray({Value::newArray({Value(42)}), Value::newArray({Value()})});
  const auto grid = boundGrid({column}, records);
  EXPECT_EQ(cellAt<DataGridLabelCell>(*column, 0)->label->text(), "42");
  EXPECT_FALSE(cellAt<DataGridLabelCell>(*column, 1)->label->text().has_value());
}

TEST(TextCells, ImageNameWithoutAnImageStillMakesATappableCell) {
  UIImage::registerImage("dot", std::make_shared<UIImage>(std::make_shared<CGImage>(
                                    2, 2, std::vector<std::uint32_t>(4, 0xFF000000u))));
  const auto column = columnOn<DataGridImageColumn>(0);
  const auto grid = boundGrid({column}, makeRecords({{"dot"}, {"missing"}}));
  EXPECT_NE(cellAt<DataGridImageCell>(*column, 0)->image->image, nullptr);
  const auto empty = cellAt<DataGridImageCell>(*column, 1);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->image->image, nullptr);
  ASSERT_EQ(empty->image->gestureRecognizers().size(), 1u);
  EXPECT_EQ(empty->image->gestureRecognizers()[0]->accessibilityValue, Value("missing"));
  EXPECT_TRUE(empty->image->userInteractionEnabled);
  UIImage::registerImage("dot", nullptr);
}

// Carriers name the record's row and the column's position in Columns, not its field.
TEST(TextCells, RecognizersCarryRowColumnAndTheValueAtBindTime) {
  const auto first = labelColumn("F", 1);
  const auto second = columnOn<DataGridButtonColumn>(0);
  Value records = makeRecords({{"a0", "a1"}, {"b0", "b1"}});
  const auto grid = boundGrid({first, second}, records);
  records.at(1).replaceAt(0, Value("edited"));

  const auto& recognizers = cellAt<DataGridButtonCell>(*second, 1)->button->gestureRecognizers();
  ASSERT_EQ(recognizers.size(), 1u);
  const UIGestureRecognizer& tap = *recognizers[0];
  EXPECT_EQ(tap.accessibilityHint, "1");
  EXPECT_EQ(tap.accessibilityLabel, "1");
  EXPECT_EQ(tap.accessibilityValue, Value("b0"));
  EXPECT_TRUE(tap.hasTarget(grid.get(), "tappedCell:"));
  const auto& labelTap = *cellAt<DataGridLabelCell>(*first, 0)->label->gestureRecognizers()[0];
  EXPECT_EQ(labelTap.accessibilityLabel, "0");
  EXPECT_EQ(labelTap.accessibilityValue, Value("a1"));
}

TEST(TextCells, TextFieldsCarryTheirPlaceAndSendTheirActionsToTheGrid) {
  const auto column = columnOn<DataGridTextFieldColumn>(0);
  const auto grid = boundGrid({labelColumn("L", 0), column}, makeRecords({{"x"}, {"y"}}));
  const auto field = cellAt<DataGridTextFieldCell>(*column, 1)->textField;
  EXPECT_EQ(field->text, "y");
  EXPECT_EQ(field->accessibilityHint(), "1");
  EXPECT_EQ(field->accessibilityLabel(), "1");
  EXPECT_TRUE(field->gestureRecognizers().empty());
  const auto& actions = field->actions().entries();
  ASSERT_EQ(actions.size(), 3u);
  EXPECT_EQ(actions[0].action, "txtChanged:");
  EXPECT_EQ(actions[0].events, UIControlEventEditingChanged);
  EXPECT_EQ(actions[1].action, "txtEditBegin:");
  EXPECT_EQ(actions[1].events, UIControlEventEditingDidBegin);
  EXPECT_EQ(actions[2].action, "txtEditEnd:");
  EXPECT_EQ(actions[2].events, UIControlEventEditingDidEnd);
  EXPECT_EQ(actions[0].targetIdentity, grid.get());
}

// The column's placeholder survives the template copy of the (separate) styled placeholder.
TEST(TextCells, TextFieldColumnSettingsReachTheControl) {
  const auto column = columnOn<DataGridTextFieldColumn>(0);
  column->placeholder = "name";
  column->TextAlignment = 1;
  column->cellTemplate->attributedPlaceholder = "styled";
  const auto grid = boundGrid({column}, makeRecords({{""}}));
  const auto field = cellAt<DataGridTextFieldCell>(*column, 0)->textField;
  EXPECT_EQ(field->placeholder, "name");
  EXPECT_EQ(field->attributedPlaceholder, "styled");
  EXPECT_EQ(field->keyboardType, 1);
  EXPECT_EQ(field->contentHorizontalAlignment, 3);
  EXPECT_EQ(field->textAlignment, NSTextAlignment::Center);
}

TEST(TextCells, TextViewsHaveTheGridAsDelegateAndKeepTheColumnSettings) {
  const auto column = columnOn<DataGridTextViewColumn>(0);
  column->keyboardType = 7;
  column->cellTemplate->editable = false;
  column->cellTemplate->contentInset = UIEdgeInsetsMake(1, 2, 3, 4);
  const auto grid = boundGrid({column}, makeRecords({{"note"}}));
  const auto view = cellAt<DataGridTextViewCell>(*column, 0)->textView;
  EXPECT_EQ(view->text, "note");
  EXPECT_EQ(view->delegate().get(), static_cast<UITextViewDelegate*>(grid.get()));
  EXPECT_EQ(view->accessibilityHint(), "0");
  EXPECT_EQ(view->accessibilityLabel(), "0");
  EXPECT_EQ(view->keyboardType, 7);
  EXPECT_FALSE(view->editable);
  EXPECT_EQ(view->contentInset, UIEdgeInsetsMake(1, 2, 3, 4));
  EXPECT_TRUE(view->gestureRecognizers().empty());
}

// The copy runs before the recognizer: the template's interaction setting holds only where none is added.
TEST(TemplateCopy, InteractionSettingHoldsOnlyWithoutARecognizer) {
  struct Case {
    bool recognizeCellTapped;
    bool interactive;
  };
  for (const Case& c : {Case{false, false}, Case{true, true}}) {
    const auto field = columnOn<DataGridTextFieldColumn>(0);
    field->recognizeCellTapped = c.recognizeCellTapped;
    field->cellTemplate->userInteractionEnabled = false;
    const auto view = columnOn<DataGridTextViewColumn>(0);
    view->recognizeCellTapped = c.recognizeCellTapped;
    view->cellTemplate->userInteractionEnabled = false;
    const auto grid = boundGrid({field, view}, makeRecords({{"x"}}));
    EXPECT_EQ(cellAt<DataGridTextFieldCell>(*field, 0)->textField->userInteractionEnabled, c.interactive);
    EXPECT_EQ(cellAt<DataGridTextViewCell>(*view, 0)->textView->userInteractionEnabled, c.interactive);
    EXPECT_EQ(cellAt<DataGridTextFieldCell>(*field, 0)->textField->gestureRecognizers().size(),
              c.recognizeCellTapped ? 1u : 0u);
  }
  const auto label = labelColumn("L", 0);
  label->cellTemplate->userInteractionEnabled = false;
  const auto grid = boundGrid({label}, makeRecords({{"x"}}));
  EXPECT_TRUE(cellAt<DataGridLabelCell>(*label, 0)->label->userInteractionEnabled);
}

TEST(TemplateCopy, TemplateSettingsReachEveryCellControl) {
  const auto label = labelColumn("L", 0);
  label->cellTemplate->numberOfLines = 0;
  label->cellTemplate->setAlpha(0.5);
  const auto image = columnOn<DataGridImageColumn>(0);
  image->cellTemplate->animationRepeatCount = 3;
  const auto button = columnOn<DataGridButtonColumn>(0);
  button->cellTemplate->imageEdgeInsets = UIEdgeInsetsMake(1, 1, 1, 1);
  const auto field = columnOn<DataGridTextFieldColumn>(0);
  field->cellTemplate->leftView = std::make_shared<UIView>();
  field->cellTemplate->setMotionEffects(Value::newArray({"tilt"}));
  const auto view = columnOn<DataGridTextViewColumn>(0);
  view->cellTemplate->textContainerInset = UIEdgeInsetsMake(2, 2, 2, 2);
  const auto grid = boundGrid({label, image, button, field, view}, makeRecords({{"x"}, {"y"}}));

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
  }
}

}  // namespace
}  // namespace tarnavel
