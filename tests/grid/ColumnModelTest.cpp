#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tarnavel/grid/DataGridColumns.h"

namespace tarnavel {
namespace {

// What differs between the kinds among the shared defaults.
struct KindDefaults {
  std::string kind;
  std::function<std::shared_ptr<DataGridColumn>()> make;
  std::function<std::shared_ptr<DataGridColumn>(const NSCoder&)> decode;
  bool unsetTextAndBackground;  // false: nil text colour and nil own background
  bool unsetFont;               // true: the unset font marker instead of nil
  CGFloat borderWidth;
};

template <class Column>
KindDefaults kind(const char* name, bool unsetTextAndBackground = true, bool unsetFont = false,
                  CGFloat borderWidth = 0) {
  return {name,
          [] { return std::make_shared<Column>(CGRectMake(10, 20, 70, 5)); },
          [](const NSCoder& coder) { return std::make_shared<Column>(coder); },
          unsetTextAndBackground,
          unsetFont,
          borderWidth};
}

class ColumnDefaults : public ::testing::TestWithParam<KindDefaults> {};

void expectSharedDefaults(const DataGridColumn& column, const KindDefaults& expected,
                          const std::shared_ptr<UIColor>& initialBackground = nullptr) {
  EXPECT_EQ(column.dataFieldIndex, -1);
  EXPECT_EQ(column.AutoSizeType, DataGridAutoSizeTypeNone);
  EXPECT_EQ(column.Cells, nullptr);
  EXPECT_EQ(column.Title, "Untitled");
  EXPECT_EQ(column.Width, 70.0);
  EXPECT_EQ(column.HeaderBackgroundColor, kDataGridUnsetColor());
  EXPECT_EQ(column.HeaderForegroundColor, kDataGridUnsetColor());
  EXPECT_EQ(column.HeaderBorderColor, kDataGridUnsetColor());
  EXPECT_EQ(column.HeaderFont, nullptr);
  EXPECT_EQ(column.HeaderBorderWidth, 0);
  EXPECT_EQ(column.borderColor, kDataGridUnsetColor());
  EXPECT_EQ(column.borderWidth, expected.borderWidth);
  EXPECT_EQ(column.cellSize, CGSizeMake(0, 0));
  EXPECT_EQ(column.cellLayoutPosition, DataGridCellLayoutPositionCenter);
  EXPECT_EQ(column.cellLayoutPositionX, 0);
  EXPECT_EQ(column.cellLayoutPositionY, 0);
  ASSERT_NE(column.header, nullptr);
  EXPECT_EQ(column.textColor, expected.unsetTextAndBackground ? kDataGridUnsetColor() : nullptr);
  EXPECT_EQ(column.backgroundColor(),
            expected.unsetTextAndBackground ? kDataGridUnsetColor() : initialBackground);
  EXPECT_EQ(column.font, expected.unsetFont ? kDataGridUnsetFont() : nullptr);
}

TEST_P(ColumnDefaults, FreshColumnHoldsTheSharedDefaultsOfItsKind) {
  const auto column = GetParam().make();
  expectSharedDefaults(*column, GetParam());
  EXPECT_EQ(column->header->frame(), CGRectMake(10, 20, 70, 5));
}

// The date-picker and picker kinds set no background of their own, so theirs is the archive's.
TEST_P(ColumnDefaults, DecodedColumnHoldsTheSameDefaultsWhateverTheArchiveHeld) {
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 3, 4);
  coder.backgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
  const auto column = GetParam().decode(coder);
  expectSharedDefaults(*column, GetParam(), coder.backgroundColor);
  EXPECT_EQ(column->frame(), CGRectMake(1, 2, 3, 4));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ColumnDefaults,
    ::testing::Values(kind<DataGridLabelColumn>("Label"), kind<DataGridTextFieldColumn>("TextField"),
                      kind<DataGridTextViewColumn>("TextView"), kind<DataGridButtonColumn>("Button"),
                      kind<DataGridImageColumn>("Image"), kind<DataGridSwitchColumn>("Switch"),
                      kind<DataGridSliderColumn>("Slider", true, false, kDataGridUnsetSliderBorderWidth),
                      kind<DataGridDatePickerColumn>("DatePicker", false),
                      kind<DataGridPickerColumn>("Picker", false, true)),
    [](const auto& info) { return info.param.kind; });

TEST(ColumnModel, TextFieldColumnExtras) {
  const DataGridTextFieldColumn column;
  EXPECT_FALSE(column.recognizeCellTapped);
  EXPECT_EQ(column.autocapitalizationType, 0);
  EXPECT_EQ(column.borderStyle, 0);
  EXPECT_EQ(column.clearButtonMode, 0);
  EXPECT_EQ(column.contentVerticalAlignment, 0);
  EXPECT_EQ(column.contentHorizontalAlignment, 3);
  EXPECT_EQ(column.keyboardType, 1);
  EXPECT_EQ(column.placeholder, "");
  EXPECT_EQ(column.returnKeyType, 9);
  EXPECT_EQ(column.TextAlignment, 4);
  EXPECT_EQ(column.numberFormatterStyle, 0u);
  EXPECT_EQ(column.numberWithType, DataGridNumberTypeInt);
}

TEST(ColumnModel, ControlColumnExtras) {
  EXPECT_EQ(DataGridSwitchColumn().onTintColor, kDataGridUnsetColor());
  const DataGridSliderColumn slider;
  EXPECT_EQ(slider.minimumValue, 0.0f);
  EXPECT_EQ(slider.maximumValue, 100.0f);
  const DataGridDatePickerColumn datePicker;
  EXPECT_EQ(datePicker.dateFormat, "MM/dd/yyyy");
  EXPECT_EQ(datePicker.datePickerMode, UIDatePickerModeDate);
  EXPECT_EQ(datePicker.pickerFrameColor, DataGridPickerFrameColorBlue);
  const DataGridPickerColumn picker;
  EXPECT_TRUE(picker.pickerDataSource.isNull());
  EXPECT_EQ(picker.pickerFrameColor, DataGridPickerFrameColorBlue);
  EXPECT_EQ(picker.pickerRowHeight, 0);
  ASSERT_NE(picker.cellLabelTemplate, nullptr);
  EXPECT_EQ(picker.cellLabelTemplate->backgroundColor(), kDataGridUnsetColor());
  EXPECT_EQ(picker.cellLabelTemplate->textColor(), kDataGridUnsetColor());
  EXPECT_EQ(picker.cellLabelTemplate->font(), kDataGridUnsetFont());
}

TEST(ColumnModel, TemplatesStartAtTheirMarkers) {
  const DataGridLabelColumn label(CGRectMake(0, 0, 80, 9));
  EXPECT_EQ(label.cellTemplate->frame(), CGRectMake(0, 0, 80, 9));
  EXPECT_EQ(label.cellTemplate->textColor(), kDataGridUnsetColor());
  EXPECT_EQ(label.cellTemplate->font(), kDataGridUnsetFont());
  const DataGridButtonColumn button;
  EXPECT_EQ(button.cellTemplate->titleLabel()->textColor(), kDataGridUnsetColor());
  EXPECT_EQ(button.cellTemplate->layer()->borderColor, kDataGridUnsetColor()->CGColor());
  EXPECT_EQ(DataGridDatePickerColumn().cellTemplate->datePickerMode, UIDatePickerModeDate);

  // The slider template's bounds are the marker while the column's stay 0 and 100.
  const DataGridSliderColumn slider;
  EXPECT_EQ(slider.cellTemplate->minimumValue(), -0.001f);
  EXPECT_EQ(slider.cellTemplate->maximumValue(), kDataGridUnsetSliderBound);
}

TEST(ColumnModel, EveryColumnMakesItsOwnTitleLabelAndTemplate) {
  const DataGridLabelColumn a;
  const DataGridLabelColumn b;
  EXPECT_NE(a.header, b.header);
  EXPECT_NE(a.cellTemplate, b.cellTemplate);
}

TEST(ColumnModel, KindTestsCountSubclassesAsTheirKind) {
  class NumberColumn : public DataGridLabelColumn {};
  const std::shared_ptr<DataGridColumn> column = std::make_shared<NumberColumn>();
  EXPECT_NE(dynamic_cast<DataGridLabelColumn*>(column.get()), nullptr);
  EXPECT_EQ(dynamic_cast<DataGridTextFieldColumn*>(column.get()), nullptr);
}

TEST(Markers, UnsetColorIsTheSharedClearColorByIdentity) {
  EXPECT_EQ(kDataGridUnsetColor(), UIColor::clearColor());
  const auto otherClear = UIColor::colorWithWhite(0, 0);
  EXPECT_NE(otherClear, kDataGridUnsetColor());
  EXPECT_EQ(kDataGridUnsetFont(), UIFont::fontWithName("Verdana", 1.0));
  EXPECT_NE(kDataGridUnsetFont(), UIFont::fontWithName("Verdana", 2.0));
  EXPECT_EQ(kDataGridUnsetSliderBorderWidth, -0.01f);
}

// Cells: the control fills the cell at the cell's own origin and is left for the bind to add.
TEST(CellModel, ControlFillsTheCellButIsNotYetASubview) {
  const DataGridLabelCell label(CGRectMake(10, 20, 70, 5));
  EXPECT_EQ(label.label->frame(), CGRectMake(0, 0, 70, 5));
  EXPECT_TRUE(label.subviews().empty());
  EXPECT_FALSE(label.label->text().has_value());
  EXPECT_EQ(label.backgroundColor(), nullptr);
  EXPECT_EQ(label.layer()->borderColor, nullptr);
  EXPECT_EQ(label.layer()->borderWidth, 0);

  EXPECT_EQ(DataGridTextFieldCell(CGRectMake(0, 0, 9, 9)).textField->text, "");
  EXPECT_EQ(DataGridTextViewCell(CGRectMake(0, 0, 9, 9)).textView->text, "");
  EXPECT_EQ(DataGridButtonCell(CGRectMake(0, 0, 9, 9)).button->titleForState(UIControlStateNormal), "");
  EXPECT_EQ(DataGridImageCell(CGRectMake(3, 4, 50, 6)).image->frame(), CGRectMake(0, 0, 50, 6));
}

TEST(CellModel, DecodedCellDropsTheArchivedBackground) {
  NSCoder coder;
  coder.frame = CGRectMake(0, 0, 40, 10);
  coder.backgroundColor = UIColor::whiteColor();
  const DataGridSliderCell cell(coder);
  EXPECT_EQ(cell.backgroundColor(), nullptr);
  EXPECT_EQ(cell.textColor, nullptr);
  EXPECT_EQ(cell.ID, 0);
  EXPECT_EQ(cell.slider->frame(), CGRectMake(0, 0, 40, 10));
}

}  // namespace
}  // namespace tarnavel
