#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "EventRecorder.h"
#include "GridTestSupport.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel::testing {
namespace {

/// The columns bound over `records`, in rows `rowHeight` high, every column its own Width.
std::shared_ptr<UIDataGrid> boundGrid(Columns columns, Value records, CGFloat rowHeight = 20) {
  auto grid = makeGrid();
  grid->ColumnsWidth = 0;
  grid->RowHeight = rowHeight;
  bind(*grid, std::move(columns), std::move(records));
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

// A list that cannot be searched ends the search, not the bind.
TEST(PickerCells, SelectTheFirstEntryEqualToTheFieldElseRowZero) {
  const std::tuple<const char*, Value, const char*, NSInteger> cases[] = {
      {"third of three", Value::newArray({"a", "b", "c"}), "c", 2},
      {"none", Value::newArray({"a", "b", "c"}), "x", 0},
      {"duplicates", Value::newArray({"a", "b", "b"}), "b", 1},
      {"no list", Value(), "a", 0},
      {"a text, not a list", Value("abc"), "b", 0},
      {"a number entry never equals a text", Value::newArray({Value(1), "1"}), "1", 1},
  };
  for (const auto& [name, entries, field, row] : cases) {
    const auto column = columnOf<DataGridPickerColumn>(0);
    column->pickerDataSource = entries;
    const auto after = columnOf<DataGridSwitchColumn>(0);
    boundGrid({column, after}, makeRecords({{field}}));
    ASSERT_TRUE(cellAt<DataGridPickerCell>(*column, 0)) << name;
    EXPECT_EQ(cellAt<DataGridPickerCell>(*column, 0)->picker->selectedRowInComponent(0), row) << name;
    EXPECT_TRUE(cellAt<DataGridSwitchCell>(*after, 0)) << name;
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
  EXPECT_TRUE(cellAt<DataGridSwitchCell>(*after, 0) && scrollViewOf(*grid)) << "the bind went on";
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
  for (const auto& column : Columns{slider, toggle, picker})
    column->setBackgroundColor(blue);
  toggle->onTintColor = green;
  templated->onTintColor = green;
  templated->cellTemplate->onTintColor = red;
  templated->cellTemplate->setBackgroundColor(green);
  const auto grid = makeGrid();
  grid->alternatingBackgroundColor = red;
  bind(*grid, {slider, toggle, picker, templated}, makeRecords({{"1"}, {"1"}}));

  EXPECT_EQ(backgroundsOf(*slider), (Colors{nullptr, blue, red, red}));
  EXPECT_EQ(backgroundsOf(*toggle), (Colors{nullptr, blue, red, red}));
  EXPECT_EQ(backgroundsOf(*picker), (Colors{nullptr, nullptr, red, red}));
  EXPECT_EQ(backgroundsOf(*templated), (Colors{nullptr, green, red, green}));
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*toggle, 0)->Switch->onTintColor, green);
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*templated, 1)->Switch->onTintColor, red);
}

TEST(CellBorders, FallBackFromTheColumnToTheGridByEachKindsUnsetValue) {
  const auto gray = UIColor::grayColor();
  const auto blue = rgb(0, 0, 1);
  const auto own = [](std::shared_ptr<DataGridColumn> column, std::shared_ptr<UIColor> color, CGFloat width) {
    column->borderColor = std::move(color);
    column->borderWidth = width;
    return column;
  };
  const CGFloat marker = kDataGridUnsetSliderBorderWidth;
  const std::tuple<const char*, std::shared_ptr<DataGridColumn>, std::shared_ptr<UIColor>, CGFloat> cases[] =
      {
          {"label by default", labelColumn("L", 0), gray, 2},
          {"image by default", columnOf<DataGridImageColumn>(0), gray, 2},
          {"text field of its own", own(columnOf<DataGridTextFieldColumn>(0), blue, 0.5), blue, 0.5},
          {"date picker by default", columnOf<DataGridDatePickerColumn>(0), gray, 2},
          {"picker of its own", own(columnOf<DataGridPickerColumn>(0), blue, 0.5), blue, 0.5},
          {"slider by default", columnOf<DataGridSliderColumn>(0), gray, 2},
          {"slider at 0", own(columnOf<DataGridSliderColumn>(0), kDataGridUnsetColor(), 0), gray, 0},
          {"switch by default", columnOf<DataGridSwitchColumn>(0), gray, 0},
          {"switch at the slider marker", own(columnOf<DataGridSwitchColumn>(0), blue, marker), blue, 2},
      };
  for (const auto& [name, column, color, width] : cases) {
    const auto grid = makeGrid();
    grid->cellBorderWidth = 2;
    grid->cellBorderColor = gray;
    bind(*grid, {column}, makeRecords({{"1"}}));
    ASSERT_EQ(column->Cells->size(), 1u) << name;
    const CALayer& layer = *(*column->Cells)[0]->layer();
    EXPECT_EQ(layer.borderWidth, width) << name;
    EXPECT_EQ(layer.borderColor, color->CGColor()) << name;
  }
}

TEST(ControlCells, ATapOnASwitchReachesTheDelegateWithTheFieldAtBindTime) {
  const auto toggle = columnOf<DataGridSwitchColumn>(1);
  toggle->cellSize = CGSizeMake(30, 10);
  const auto grid = boundGrid({labelColumn("Name", 0), toggle}, makeRecords({{"Ann", "no"}, {"Bob", "yes"}}));
  const auto recorder = std::make_shared<EventRecorder>();
  grid->setDelegate(recorder);
  grid->DataSource.at(1).replaceAt(1, Value("edited"));
  // The second row's switch, scaled to 30 x 10 in the middle of its 70 x 20 cell, below a header 5 high.
  EXPECT_EQ(tapAt(*grid, CGPointMake(70 + 35, grid->HeaderHeight + 20 + 10)), 1);
  EXPECT_EQ(tapAt(*grid, CGPointMake(70 + 5, grid->HeaderHeight + 20 + 10)), 0);
  EXPECT_EQ(recorder->events, (Events{"tap 1,1 yes"}));
}

TEST(ControlCells, AScaledSwitchThatIsOnShowsItsOnColourInsideItsCell) {
  const auto toggle = columnOf<DataGridSwitchColumn>(0, 102);
  toggle->onTintColor = rgb(1, 0, 0);
  const auto grid = boundGrid({toggle}, makeRecords({{"1"}, {"0"}}), 62);
  const auto image = pixelsOf(*grid);
  const int top = static_cast<int>(grid->HeaderHeight);
  // The on switch, twice its natural size: its track left of the knob is red.
  EXPECT_TRUE(pixelNear(*image, 30, top + 31, kRed));
  EXPECT_TRUE(pixelNear(*image, 90, top + 31, kWhite, 40));
  // The off switch below shows no red.
  EXPECT_FALSE(pixelNear(*image, 30, top + 62 + 31, kRed, 60));
}

/// The host's frame and divider images in black and blue; the other colours are missing.
class PickerImages : public ::testing::Test {
  const HostImages images{{"blackPickerFrame.png", {320, 216}},
                          {"blackPickerFrameDiv.png", {4, 100}},
                          {"bluePickerFrame.png", {320, 216}},
                          {"bluePickerFrameDiv.png", {4, 100}}};
};

TEST_F(PickerImages, AHalfSizeDatePickerIsFramedAndDividedAtHalfScale) {
  const auto column = columnOf<DataGridDatePickerColumn>(0, 160);
  const auto grid = boundGrid({column}, makeRecords({{"01/02/2025"}}), 108);
  const auto cell = cellAt<DataGridDatePickerCell>(*column, 0);
  EXPECT_EQ(cell->picker->frame(), CGRectMake(0, 0, 160, 108));
  const auto overlays = subviewsOfKind<UIImageView>(*cell);  // the frame, then the dividers
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

// The frame colour picks the image pair: a value outside the list the blue one, a pair the host lacks empty
// images and dividers of no size in the middle. The template's mode wins over the column's, and the dividers
// follow it; a picker gets its frame and no dividers.
TEST_F(PickerImages, FrameColourAndTheTemplateModePickTheImagesAndDividers) {
  struct Case {
    NSUInteger color;
    const char* prefix;
    NSInteger mode;
    std::vector<CGFloat> dividerXs;
    CGRect divider;  // the y and size of every divider
  };
  const Case cases[] = {{0, "black", UIDatePickerModeDateAndTime, {70, 90, 120}, {{0, 29}, {2, 50}}},
                        {3, "red", UIDatePickerModeTime, {60, 88.5}, {{0, 54}, {0, 0}}},
                        {7, "blue", UIDatePickerModeCountDownTimer, {70}, {{0, 29}, {2, 50}}},
                        {2, "blue", 7, {}, {}}};
  for (const Case& c : cases) {
    const auto date = columnOf<DataGridDatePickerColumn>(0, 160);
    const auto picker = columnOf<DataGridPickerColumn>(0, 160);
    date->pickerFrameColor = picker->pickerFrameColor = static_cast<DataGridPickerFrameColor>(c.color);
    date->cellTemplate->datePickerMode = static_cast<UIDatePickerMode>(c.mode);
    boundGrid({date, picker}, makeRecords({{"x"}}), 108);
    const auto cell = cellAt<DataGridDatePickerCell>(*date, 0);
    EXPECT_EQ(cell->picker->datePickerMode, c.mode);
    const auto overlays = subviewsOfKind<UIImageView>(*cell);  // the frame, then the dividers
    ASSERT_EQ(overlays.size(), 1 + c.dividerXs.size()) << c.prefix << " " << c.mode;
    EXPECT_EQ(overlays[0]->frame(), CGRectMake(0, 0, 160, 108));
    EXPECT_EQ(overlays[0]->image, UIImage::imageNamed(std::string(c.prefix) + "PickerFrame.png")) << c.prefix;
    for (std::size_t i = 0; i < c.dividerXs.size(); ++i) {
      EXPECT_EQ(overlays[i + 1]->frame(), (CGRect{{c.dividerXs[i], c.divider.origin.y}, c.divider.size}))
          << c.mode;
      EXPECT_EQ(overlays[i + 1]->image, UIImage::imageNamed(std::string(c.prefix) + "PickerFrameDiv.png"));
    }
    const auto pickerOverlays = subviewsOfKind<UIImageView>(*cellAt<DataGridPickerCell>(*picker, 0));
    ASSERT_EQ(pickerOverlays.size(), 1u) << c.prefix;
    EXPECT_EQ(pickerOverlays[0]->image, overlays[0]->image) << c.prefix;
  }
}

}  // namespace
}  // namespace tarnavel::testing
