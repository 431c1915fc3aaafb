#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "GridTestSupport.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel::testing {
namespace {

// What differs between the kinds among the defaults. A decoded column holds them whatever the archive held;
// the date-picker and picker kinds set no background of their own, so theirs is the archive's.
template <class Column>
void expectDefaults(const char* kind, bool unsetTextAndBackground, bool unsetFont = false) {
  NSCoder coder;
  coder.frame = CGRectMake(1, 2, 3, 4);
  coder.backgroundColor = UIColor::colorWithRed(1, 0, 0, 1);
  const auto made = std::make_shared<Column>(CGRectMake(10, 20, 70, 5));
  const auto decoded = std::make_shared<Column>(coder);
  for (const auto& [column, archived] :
       {std::pair{made, std::shared_ptr<UIColor>()}, {decoded, coder.backgroundColor}}) {
    SCOPED_TRACE(std::string(kind) + (archived ? " decoded" : " made"));
    EXPECT_EQ(column->dataFieldIndex, -1);
    EXPECT_EQ(column->Title, "Untitled");
    EXPECT_EQ(column->Width, 70);
    EXPECT_EQ(column->header->frame(), column->frame());
    EXPECT_EQ(column->textColor, unsetTextAndBackground ? kDataGridUnsetColor() : nullptr);
    EXPECT_EQ(column->backgroundColor(), unsetTextAndBackground ? kDataGridUnsetColor() : archived);
    EXPECT_EQ(column->font, unsetFont ? kDataGridUnsetFont() : nullptr);
  }
  EXPECT_NE(made->header, decoded->header) << kind << ": every column makes its own title label";
}

TEST(ColumnModel, EveryKindStartsFromItsDefaultsWhetherMadeOrDecoded) {
  expectDefaults<DataGridLabelColumn>("label", true);
  expectDefaults<DataGridTextFieldColumn>("text field", true);
  expectDefaults<DataGridTextViewColumn>("text view", true);
  expectDefaults<DataGridButtonColumn>("button", true);
  expectDefaults<DataGridImageColumn>("image", true);
  expectDefaults<DataGridSwitchColumn>("switch", true);
  expectDefaults<DataGridSliderColumn>("slider", true);
  expectDefaults<DataGridDatePickerColumn>("date picker", false);
  expectDefaults<DataGridPickerColumn>("picker", false, true);
}

TEST(GridModel, ANewGridAndADecodedOneHoldEveryDefault) {
  NSCoder coder;
  coder.frame = CGRectMake(0, 0, 320, 480);
  for (const auto& grid : {makeGrid(), std::make_shared<UIDataGrid>(coder)}) {
    EXPECT_EQ(std::tuple(grid->RowHeight, grid->HeaderHeight, grid->ColumnsWidth, grid->griding),
              std::tuple(5.0, 5.0, 70.0, 0.0f));
    EXPECT_FALSE(grid->HeaderScrollHide);
    EXPECT_FALSE(grid->updateDataSource);
    EXPECT_EQ(grid->datagridFont, UIFont::fontWithName("Verdana", 6));
    EXPECT_EQ(grid->HeaderFont, UIFont::fontWithName("Verdana-Bold", 6));
    EXPECT_EQ(grid->foregroundColor, UIColor::blackColor());
    EXPECT_EQ(grid->HeaderForegroundColor, UIColor::blackColor());
    for (const CGFloat width :
         {grid->HeaderBorderWidth, grid->cellBorderWidth, grid->rowBorderHeight, grid->columnBorderWidth})
      EXPECT_EQ(width, 0);
    for (const auto& color :
         {grid->HeaderBackgroundColor, grid->HeaderBorderColor, grid->cellBorderColor, grid->rowBorderColor,
          grid->columnBorderColor, grid->alternatingBackgroundColor})
      EXPECT_EQ(color, UIColor::clearColor());
    EXPECT_TRUE(grid->DataSource.isNull());
    EXPECT_TRUE(grid->Columns.empty());
    EXPECT_EQ(grid->delegate(), nullptr);
    EXPECT_EQ(grid->backgroundColor(), nullptr);
    EXPECT_TRUE(grid->subviews().empty());
  }
  EXPECT_EQ(std::make_shared<UIDataGrid>(coder)->frame(), CGRectMake(0, 0, 320, 480));
}

// A released delegate is gone, so that a later tap calls nothing.
TEST(GridModel, TheDelegateIsHeldWeakly) {
  struct Counting : DataGridDelegate {
    explicit Counting(int& taps) : taps(taps) {}
    void datagridCellTapped(UIDataGrid&, int, int, const Value&) override { ++taps; }
    int& taps;
  };
  int taps = 0;
  const auto grid = makeGrid();
  bind(*grid, {labelColumn("A", 0)}, makeRecords({{"x"}}));
  auto delegate = std::make_shared<Counting>(taps);
  grid->setDelegate(delegate);
  EXPECT_EQ(grid->delegate(), delegate);
  const CGPoint onTheCell{35, grid->HeaderHeight + 2};
  EXPECT_EQ(tapAt(*grid, onTheCell), 1);
  delegate.reset();
  EXPECT_EQ(grid->delegate(), nullptr);
  EXPECT_EQ(tapAt(*grid, onTheCell), 1);
  EXPECT_EQ(taps, 1);
}

TEST(ColumnModel, TextEntryColumnsAddNoTapRecognizerAndStartAtTheirControlsDefaults) {
  const auto field = columnOf<DataGridTextFieldColumn>(0);
  const auto view = columnOf<DataGridTextViewColumn>(0);
  for (const DataGridTextEntryOptions* options : {static_cast<const DataGridTextEntryOptions*>(field.get()),
                                                  static_cast<const DataGridTextEntryOptions*>(view.get())}) {
    EXPECT_FALSE(options->recognizeCellTapped);
    EXPECT_EQ(options->autocapitalizationType, 0);
    EXPECT_EQ(options->TextAlignment, 4);
  }
  EXPECT_EQ(std::tuple(field->borderStyle, field->clearButtonMode, field->contentVerticalAlignment),
            std::tuple(0, 0, 0));
  EXPECT_EQ(field->placeholder, "");
  EXPECT_EQ(field->numberFormatterStyle, 0u);
  EXPECT_EQ(field->numberWithType, DataGridNumberTypeInt);
  bind(*makeGrid(), {field, view}, makeRecords({{"x"}}));
  EXPECT_TRUE(cellAt<DataGridTextFieldCell>(*field, 0)->textField->gestureRecognizers().empty());
  EXPECT_TRUE(cellAt<DataGridTextViewCell>(*view, 0)->textView->gestureRecognizers().empty());
  EXPECT_EQ(DataGridSwitchColumn().onTintColor, kDataGridUnsetColor());
}

// The markers are tested by identity: an equal-looking colour or another size of the font is set.
TEST(Markers, UnsetValuesAreTheSharedClearColourVerdanaAtOneAndMinusAHundredthBorder) {
  EXPECT_EQ(kDataGridUnsetColor(), UIColor::clearColor());
  EXPECT_NE(kDataGridUnsetColor(), UIColor::colorWithWhite(0, 0));
  EXPECT_EQ(kDataGridUnsetFont(), UIFont::fontWithName("Verdana", 1.0));
  EXPECT_NE(kDataGridUnsetFont(), UIFont::fontWithName("Verdana", 2.0));
  EXPECT_EQ(kDataGridUnsetSliderBorderWidth, -0.01f);
}

// A cell makes its control at its own size and leaves it for the bind to add; a decoded cell drops the
// archived background.
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

  NSCoder coder;
  coder.frame = CGRectMake(0, 0, 40, 10);
  coder.backgroundColor = UIColor::whiteColor();
  const DataGridSliderCell decoded(coder);
  EXPECT_EQ(decoded.backgroundColor(), nullptr);
  EXPECT_EQ(decoded.slider->frame(), CGRectMake(0, 0, 40, 10));
}

}  // namespace
}  // namespace tarnavel::testing
