#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::columnOf;
using testing::makeRecords;
using testing::rgb;

/// The columns bound over `records`, in rows `rowHeight` high, every column its own Width.
std::shared_ptr<UIDataGrid> boundGrid(testing::Columns columns, Value records, CGFloat rowHeight = 20) {
  auto grid = testing::makeGrid();
  grid->ColumnsWidth = 0;
  grid->RowHeight = rowHeight;
  testing::bind(*grid, std::move(columns), std::move(records));
  return grid;
}

TEST(SwitchCells, OnForOneYesAndTrueInAnyLetterCase) {
  const std::vector<std::pair<const char*, bool>> cases = {
      {"1", true}, {"yes", true}, {"YES", true}, {"True", true}, {"tRuE", true}, {"0", false},
      {"", false}, {"no", false}, {"on", false}, {"01", false},  {" 1", false},  {"yes ", false}};
  Value records = Value::newArray();
  for (const auto& [field, on] : cases)
    records.append(Value::newArray({Value(field)}));
  const auto column = columnOf<DataGridSwitchColumn>(0);
  boundGrid({column}, records);
  for (std::size_t r = 0; r < cases.size(); ++r) {
    ASSERT_TRUE(cellAt<DataGridSwitchCell>(*column, r));
    EXPECT_EQ(cellAt<DataGridSwitchCell>(*column, r)->Switch->on, cases[r].second)
        << '"' << cases[r].first << '"';
  }
}

TEST(PickerCells, SelectTheFirstEntryEqualToTheFieldElseRowZero) {
  struct Case {
    const char* name;
    Value entries;
    const char* field;
    NSInteger row;
  };
  const std::vector<Case> cases = {
      {"third of three", Value::newArray({"a", "b", "c"}), "c", 2},
      {"none", Value::newArray({"a", "b", "c"}), "x", 0},
      {"duplicates", Value::newArray({"a", "b", "b"}), "b", 1},
      {"no list", Value(), "a", 0},
      {"a text, not a list", Value("abc"), "b", 0},
      {"a number entry never equals a text", Value::newArray({Value(1), "1"}), "1", 1},
  };
  for (const Case& c : cases) {
    const auto column = columnOf<DataGridPickerColumn>(0);
    column->pickerDataSource = c.entries;
    const auto after = columnOf<DataGridSwitchColumn>(0);
    boundGrid({column, after}, makeRecords({{c.field}}));
    ASSERT_TRUE(cellAt<DataGridPickerCell>(*column, 0)) << c.name;
    EXPECT_EQ(cellAt<DataGridPickerCell>(*column, 0)->picker->selectedRowInComponent(0), c.row) << c.name;
    EXPECT_TRUE(cellAt<DataGridSwitchCell>(*after, 0))
        << c.name << ": a list that cannot be searched ends the search, not the bind";
  }
}

TEST(DatePickerCells, ShowTheDateTheFieldSpellsInTheColumnFormat) {
  const auto column = columnOf<DataGridDatePickerColumn>(0);
  const NSDate before;
  boundGrid({column}, makeRecords({{"12/25/2024"}, {"2024-12-25"}}));
  const NSDate after;
  NSDateFormatter formatter;
  formatter.setDateFormat("MM/dd/yyyy");
  EXPECT_EQ(cellAt<DataGridDatePickerCell>(*column, 0)->picker->date(),
            *formatter.dateFromString("12/25/2024"));
  // A field in another format leaves the date the picker was made with.
  const NSDate kept = cellAt<DataGridDatePickerCell>(*column, 1)->picker->date();
  EXPECT_LE(before, kept);
  EXPECT_LE(kept, after);
}

// The switch keeps its natural size and is scaled into place, at the stored offsets or else at its anchor;
// an anchor outside the enumeration centres it.
TEST(ControlCells, ScaleToFillTheCellUnlessBothSidesOfCellSizeAreSet) {
  struct Case {
    CGSize cellSize;
    CGPoint offsets;
    NSUInteger anchor;
    CGRect frame;
  };
  const Case cases[] = {
      {{40, 0}, {0, 0}, 0, CGRectMake(0, 0, 70, 40)},   {{0, 30}, {0, 0}, 0, CGRectMake(0, 0, 70, 40)},
      {{40, 30}, {0, 0}, 0, CGRectMake(15, 5, 40, 30)}, {{40, 30}, {6, 2}, 0, CGRectMake(6, 2, 40, 30)},
      {{40, 30}, {0, 0}, 9, CGRectMake(15, 5, 40, 30)}, {{40, 30}, {0, 0}, 7, CGRectMake(30, 10, 40, 30)},
  };
  for (const Case& c : cases) {
    const auto column = columnOf<DataGridSwitchColumn>(0);
    column->cellSize = c.cellSize;
    column->cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(c.anchor);
    column->cellLayoutPositionX = c.offsets.x;
    column->cellLayoutPositionY = c.offsets.y;
    boundGrid({column}, makeRecords({{"1"}}), 40);
    const UISwitch& control = *cellAt<DataGridSwitchCell>(*column, 0)->Switch;
    EXPECT_EQ(control.frame(), c.frame)
        << c.cellSize.width << " x " << c.cellSize.height << " at " << c.anchor;
    EXPECT_EQ(control.bounds().size, UISwitch::kNaturalSize);
  }
}

// A column 0 wide makes a slider without a width: it has no scale, so it stays unscaled in its cell.
TEST(ControlCells, AControlWithoutAWidthOrHeightStaysUnscaledInTheMiddleOfItsCell) {
  const auto slider = columnOf<DataGridSliderColumn>(0, 0);
  const auto after = columnOf<DataGridSwitchColumn>(0);
  const auto grid = boundGrid({slider, after}, makeRecords({{"1"}}));
  const UISlider& control = *cellAt<DataGridSliderCell>(*slider, 0)->slider;
  EXPECT_EQ(control.frame(), CGRectMake(0, 0, 0, 20));
  EXPECT_TRUE(CGAffineTransformIsIdentity(control.transform()));
  ASSERT_TRUE(cellAt<DataGridSwitchCell>(*after, 0)) << "the bind went on";
  EXPECT_TRUE(testing::scrollViewOf(*grid));
}

TEST(SliderCells, TemplateBoundsTheHostSetReplaceTheColumnsAfterTheValueWasGiven) {
  // The column's bounds are 0..100. The field is given once, against them; each template bound the host
  // set replaces the slider's afterwards, in whichever order it set them, and the slider keeps its value
  // within the new bounds.
  struct Case {
    const char* name;
    std::vector<std::pair<bool, float>> settings;  // (minimum?, value), in the host's order
    const char* field;
    float minimum, maximum, value;
  };
  const Case cases[] = {
      {"minimum alone", {{true, 5}}, "50", 5, 100, 50},
      {"maximum alone", {{false, 80}}, "50", 0, 80, 50},
      {"minimum, then maximum", {{true, 5}, {false, 40}}, "50", 5, 40, 40},
      {"maximum, then minimum", {{false, 40}, {true, 5}}, "50", 5, 40, 40},
      {"a minimum above the field", {{true, 60}}, "50", 60, 100, 60},
      {"the field limited by the column is not given again", {{false, 200}}, "150", 0, 200, 100},
      {"a field that is no number", {{false, 200}}, "abc", 0, 200, 0},
  };
  for (const Case& c : cases) {
    const auto column = columnOf<DataGridSliderColumn>(0);
    for (const auto& [isMinimum, bound] : c.settings)
      isMinimum ? column->cellTemplate->setMinimumValue(bound) : column->cellTemplate->setMaximumValue(bound);
    boundGrid({column}, makeRecords({{c.field}}));
    const UISlider& slider = *cellAt<DataGridSliderCell>(*column, 0)->slider;
    EXPECT_EQ(slider.minimumValue(), c.minimum) << c.name;
    EXPECT_EQ(slider.maximumValue(), c.maximum) << c.name;
    EXPECT_EQ(slider.value(), c.value) << c.name;
  }
}

// Odd rows take the alternating colour instead of the slider's and switch's column colour; a picker takes
// no column colour, only the alternating one; a template's colours win over the column's.
TEST(ControlCells, ColoursComeFromTheAlternatingRowTheColumnThenTheTemplate) {
  const auto red = rgb(1, 0, 0);
  const auto blue = rgb(0, 0, 1);
  const auto green = rgb(0, 1, 0);
  const auto slider = columnOf<DataGridSliderColumn>(0);
  const auto toggle = columnOf<DataGridSwitchColumn>(0);
  const auto picker = columnOf<DataGridPickerColumn>(0);
  const auto templated = columnOf<DataGridSwitchColumn>(0);
  for (const auto& column : testing::Columns{slider, toggle, picker})
    column->setBackgroundColor(blue);
  toggle->onTintColor = green;
  templated->onTintColor = green;
  templated->cellTemplate->onTintColor = red;
  templated->cellTemplate->setBackgroundColor(green);
  const auto grid = testing::makeGrid();
  grid->alternatingBackgroundColor = red;
  testing::bind(*grid, {slider, toggle, picker, templated}, makeRecords({{"1"}, {"1"}}));

  const auto evenSlider = cellAt<DataGridSliderCell>(*slider, 0);
  const auto oddSlider = cellAt<DataGridSliderCell>(*slider, 1);
  EXPECT_EQ(evenSlider->backgroundColor(), nullptr);
  EXPECT_EQ(evenSlider->slider->backgroundColor(), blue);
  EXPECT_EQ(oddSlider->backgroundColor(), red);
  EXPECT_EQ(oddSlider->slider->backgroundColor(), red);
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*toggle, 0)->Switch->backgroundColor(), blue);
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*toggle, 1)->Switch->backgroundColor(), red);
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*toggle, 0)->Switch->onTintColor, green);
  EXPECT_EQ(cellAt<DataGridPickerCell>(*picker, 0)->picker->backgroundColor(), nullptr);
  EXPECT_EQ(cellAt<DataGridPickerCell>(*picker, 1)->picker->backgroundColor(), red);
  const UISwitch& overridden = *cellAt<DataGridSwitchCell>(*templated, 1)->Switch;
  EXPECT_EQ(overridden.onTintColor, red);
  EXPECT_EQ(overridden.backgroundColor(), green);
}

TEST(ControlCells, BorderWidthsFollowEachKindsUnsetValue) {
  auto switchAtMarker = columnOf<DataGridSwitchColumn>(0);
  switchAtMarker->borderWidth = kDataGridUnsetSliderBorderWidth;
  auto sliderAtZero = columnOf<DataGridSliderColumn>(0);
  sliderAtZero->borderWidth = 0;
  auto pickerOwn = columnOf<DataGridPickerColumn>(0);
  pickerOwn->borderWidth = 0.5;
  const std::vector<std::tuple<const char*, std::shared_ptr<DataGridColumn>, CGFloat>> cases = {
      {"slider by default", columnOf<DataGridSliderColumn>(0), 2},
      {"switch by default", columnOf<DataGridSwitchColumn>(0), 0},
      {"switch at the slider marker", switchAtMarker, 2},
      {"slider at 0", sliderAtZero, 0},
      {"date picker by default", columnOf<DataGridDatePickerColumn>(0), 2},
      {"picker by default", columnOf<DataGridPickerColumn>(0), 2},
      {"picker of its own", pickerOwn, 0.5},
  };
  for (const auto& [name, column, expected] : cases) {
    const auto grid = testing::makeGrid();
    grid->cellBorderWidth = 2;
    grid->cellBorderColor = UIColor::grayColor();
    testing::bind(*grid, {column}, makeRecords({{"1"}}));
    ASSERT_EQ(column->Cells->size(), 1u) << name;
    const CALayer& layer = *(*column->Cells)[0]->layer();
    EXPECT_EQ(layer.borderWidth, expected) << name;
    EXPECT_EQ(layer.borderColor, UIColor::grayColor()->CGColor()) << name;
  }
}

TEST(ControlCells, ATapOnASwitchReachesTheDelegateWithTheFieldAtBindTime) {
  const auto toggle = columnOf<DataGridSwitchColumn>(1);
  toggle->cellSize = CGSizeMake(30, 10);
  const auto grid =
      boundGrid({testing::labelColumn("Name", 0), toggle}, makeRecords({{"Ann", "no"}, {"Bob", "yes"}}));
  const auto recorder = std::make_shared<testing::EventRecorder>();
  grid->setDelegate(recorder);
  grid->DataSource.at(1).replaceAt(1, Value("edited"));
  // The second row's switch, scaled to 30 x 10 in the middle of its 70 x 20 cell, below a header 5 high.
  EXPECT_EQ(tapAt(*grid, CGPointMake(70 + 35, grid->HeaderHeight + 20 + 10)), 1);
  EXPECT_EQ(tapAt(*grid, CGPointMake(70 + 5, grid->HeaderHeight + 20 + 10)), 0);
  EXPECT_EQ(recorder->events, (testing::Events{"tap 1,1 yes"}));
}

TEST(ControlCells, AScaledSwitchThatIsOnShowsItsOnColourInsideItsCell) {
  const auto toggle = columnOf<DataGridSwitchColumn>(0, 102);
  toggle->onTintColor = rgb(1, 0, 0);
  const auto grid = boundGrid({toggle}, makeRecords({{"1"}, {"0"}}), 62);
  const auto image = testing::pixelsOf(*grid);
  const int top = static_cast<int>(grid->HeaderHeight);
  // The on switch, twice its natural size: its track left of the knob is red.
  EXPECT_TRUE(testing::pixelNear(*image, 30, top + 31, testing::kRed));
  EXPECT_TRUE(testing::pixelNear(*image, 90, top + 31, testing::kWhite, 40));
  // The off switch below shows no red.
  EXPECT_FALSE(testing::pixelNear(*image, 30, top + 62 + 31, testing::kRed, 60));
}

/// The host's frame and divider images in black and blue; the other colours are missing.
class PickerImages : public ::testing::Test {
  const testing::HostImages images{{"blackPickerFrame.png", {320, 216}},
                                   {"blackPickerFrameDiv.png", {4, 100}},
                                   {"bluePickerFrame.png", {320, 216}},
                                   {"bluePickerFrameDiv.png", {4, 100}}};
};

/// The image views laid over a picker cell, in the order they were added (the frame first).
std::vector<std::shared_ptr<UIImageView>> overlaysOf(const UIView& cell) {
  return testing::subviewsOfKind<UIImageView>(cell);
}

TEST_F(PickerImages, TheWorkedExampleFramesAndDividesADatePicker) {
  const auto column = columnOf<DataGridDatePickerColumn>(0, 160);
  const auto grid = boundGrid({column}, makeRecords({{"01/02/2025"}}), 108);
  const auto cell = cellAt<DataGridDatePickerCell>(*column, 0);
  EXPECT_EQ(cell->picker->frame(), CGRectMake(0, 0, 160, 108));
  const auto overlays = overlaysOf(*cell);
  ASSERT_EQ(overlays.size(), 3u);
  EXPECT_EQ(overlays[0]->frame(), CGRectMake(0, 0, 160, 108));
  EXPECT_EQ(overlays[0]->image, UIImage::imageNamed("bluePickerFrame.png"));
  // Divider images 4 x 100, halved, at x 75 and 100, centred vertically.
  EXPECT_EQ(overlays[1]->frame(), CGRectMake(75, 29, 2, 50));
  EXPECT_EQ(overlays[2]->frame(), CGRectMake(100, 29, 2, 50));
  EXPECT_EQ(overlays[1]->image, UIImage::imageNamed("bluePickerFrameDiv.png"));
  // The overlays lie over the picker and let its taps through.
  EXPECT_EQ(cell->subviews().front(), cell->picker);
  EXPECT_EQ(tapAt(*grid, {100, grid->HeaderHeight + 54}), 1);
}

TEST_F(PickerImages, TheTemplateModeWinsAndTheDividersFollowIt) {
  const std::pair<NSInteger, std::vector<CGFloat>> cases[] = {{UIDatePickerModeDateAndTime, {70, 90, 120}},
                                                              {UIDatePickerModeTime, {60, 88.5}},
                                                              {UIDatePickerModeCountDownTimer, {70}},
                                                              {7, {}}};
  for (const auto& [mode, dividerXs] : cases) {
    const auto column = columnOf<DataGridDatePickerColumn>(0, 160);
    column->cellTemplate->datePickerMode = static_cast<UIDatePickerMode>(mode);
    boundGrid({column}, makeRecords({{"x"}}), 108);
    const auto cell = cellAt<DataGridDatePickerCell>(*column, 0);
    EXPECT_EQ(cell->picker->datePickerMode, mode);
    const auto overlays = overlaysOf(*cell);
    ASSERT_EQ(overlays.size(), 1 + dividerXs.size()) << "mode " << mode;
    EXPECT_EQ(overlays[0]->frame(), CGRectMake(0, 0, 160, 108)) << "the frame image stays";
    for (std::size_t i = 0; i < dividerXs.size(); ++i)
      EXPECT_DOUBLE_EQ(overlays[i + 1]->frame().origin.x, dividerXs[i]) << "mode " << mode;
  }
}

TEST_F(PickerImages, FrameColourPicksTheImagePairAndAMissingPairGivesEmptyImages) {
  for (const auto& [color, frameName] : {std::pair{7, "bluePickerFrame.png"}, {0, "blackPickerFrame.png"}}) {
    const auto picker = columnOf<DataGridPickerColumn>(0);
    picker->pickerFrameColor = static_cast<DataGridPickerFrameColor>(color);
    boundGrid({picker}, makeRecords({{"a"}}));
    const auto overlays = overlaysOf(*cellAt<DataGridPickerCell>(*picker, 0));
    ASSERT_EQ(overlays.size(), 1u) << "a picker has a frame and no dividers";
    EXPECT_EQ(overlays[0]->image, UIImage::imageNamed(frameName)) << color;
  }
  const auto red = columnOf<DataGridDatePickerColumn>(0);
  red->pickerFrameColor = DataGridPickerFrameColorRed;
  boundGrid({red}, makeRecords({{"a"}}), 40);
  const auto overlays = overlaysOf(*cellAt<DataGridDatePickerCell>(*red, 0));
  ASSERT_EQ(overlays.size(), 3u);
  EXPECT_EQ(overlays[0]->image, nullptr);
  EXPECT_EQ(overlays[1]->frame().size, CGSizeMake(0, 0));
  EXPECT_DOUBLE_EQ(overlays[1]->frame().origin.y, 20);
}

}  // namespace
}  // namespace tarnavel
