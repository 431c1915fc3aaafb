#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GridTestSupport.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::makeGrid;
using testing::makeRecords;

template <class Column>
std::shared_ptr<Column> controlColumn(NSInteger field, CGFloat width = 70) {
  auto column = std::make_shared<Column>();
  column->Title = "C";
  column->dataFieldIndex = field;
  column->Width = width;
  return column;
}

/// A grid of the given columns over `records`, with rows `rowHeight` high and every column its own Width.
std::shared_ptr<UIDataGrid> bindGrid(std::vector<std::shared_ptr<DataGridColumn>> columns, Value records,
                                     CGFloat rowHeight = 20) {
  auto grid = makeGrid();
  grid->ColumnsWidth = 0;
  grid->RowHeight = rowHeight;
  grid->Columns = std::move(columns);
  grid->DataSource = std::move(records);
  grid->DataBind();
  return grid;
}

std::shared_ptr<UIColor> color(double r, double g, double b) {
  return UIColor::colorWithRed(r, g, b, 1);
}

std::shared_ptr<UIImage> solidImage(int width, int height) {
  return std::make_shared<UIImage>(std::make_shared<CGImage>(
      width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0xff336699u)));
}

/// Registers the frame and divider images of the named colours, and forgets them afterwards.
class PickerImages : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* color : {"black", "blue"}) {
      UIImage::registerImage(std::string(color) + "PickerFrame.png", solidImage(320, 216));
      UIImage::registerImage(std::string(color) + "PickerFrameDiv.png", solidImage(4, 100));
    }
  }
  void TearDown() override { UIImage::resetImageRegistry(); }
};

/// The image views laid over a picker cell, in the order they were added (the frame first).
std::vector<std::shared_ptr<UIImageView>> overlaysOf(const UIView& cell) {
  return testing::subviewsOfKind<UIImageView>(cell);
}

TEST(SwitchCells, OnForOneYesAndTrueInAnyLetterCase) {
  struct Case {
    const char* field;
    bool on;
  };
  const std::vector<Case> cases = {{"1", true},    {"yes", true}, {"YES", true}, {"True", true},
                                   {"tRuE", true}, {"0", false},  {"", false},   {"no", false},
                                   {"on", false},  {"01", false}, {" 1", false}, {"yes ", false}};
  Value records = Value::newArray();
  for (const Case& c : cases)
    records.append(Value::newArray({Value(c.field)}));
  const auto column = controlColumn<DataGridSwitchColumn>(0);
  bindGrid({column}, records);
  for (std::size_t r = 0; r < cases.size(); ++r) {
    const auto cell = cellAt<DataGridSwitchCell>(*column, r);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->Switch->on, cases[r].on) << "field \"" << cases[r].field << "\"";
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
    const auto column = controlColumn<DataGridPickerColumn>(0);
    column->pickerDataSource = c.entries;
    const auto after = controlColumn<DataGridSwitchColumn>(0);
    bindGrid({column, after}, makeRecords({{c.field}}));
    const auto cell = cellAt<DataGridPickerCell>(*column, 0);
    ASSERT_TRUE(cell) << c.name;
    EXPECT_EQ(cell->picker->selectedRowInComponent(0), c.row) << c.name;
    // A list that cannot be searched ends the search, not the bind.
    EXPECT_TRUE(cellAt<DataGridSwitchCell>(*after, 0)) << c.name;
  }
}

TEST(DatePickerCells, ShowTheDateTheFieldSpellsInTheColumnFormat) {
  const auto column = controlColumn<DataGridDatePickerColumn>(0);
  const NSDate before;
  bindGrid({column}, makeRecords({{"12/25/2024"}, {"2024-12-25"}}));
  const NSDate after;
  NSDateFormatter formatter;
  formatter.setDateFormat("MM/dd/yyyy");
  const auto parsed = cellAt<DataGridDatePickerCell>(*column, 0)->picker;
  EXPECT_EQ(parsed->date(), *formatter.dateFromString("12/25/2024"));
  EXPECT_EQ(parsed->accessibilityIdentifier(), "MM/dd/yyyy");
  // A field in another format leaves the date the picker was made with.
  const NSDate kept = cellAt<DataGridDatePickerCell>(*column, 1)->picker->date();
  EXPECT_LE(before, kept);
  EXPECT_LE(kept, after);
}

TEST(ControlCells, ScaleToFillTheCellUnlessBothSidesOfCellSizeAreSet) {
  struct Case {
    CGSize cellSize;
    CGPoint offsets;
    CGRect frame;
  };
  const Case cases[] = {
      {{40, 0}, {0, 0}, CGRectMake(0, 0, 70, 40)},
      {{0, 30}, {0, 0}, CGRectMake(0, 0, 70, 40)},
      {{40, 30}, {0, 0}, CGRectMake(15, 5, 40, 30)},  // the centre anchor's offsets, stored
      {{40, 30}, {6, 2}, CGRectMake(6, 2, 40, 30)},   // centred at (20 + 6, 15 + 2)
  };
  for (const Case& c : cases) {
    const auto column = controlColumn<DataGridSwitchColumn>(0);
    column->cellSize = c.cellSize;
    column->cellLayoutPositionX = c.offsets.x;
    column->cellLayoutPositionY = c.offsets.y;
    bindGrid({column}, makeRecords({{"1"}}), 40);
    const UISwitch& control = *cellAt<DataGridSwitchCell>(*column, 0)->Switch;
    EXPECT_EQ(control.frame(), c.frame) << c.cellSize.width << " x " << c.cellSize.height;
    // The switch keeps its natural size and is scaled into place.
    EXPECT_EQ(control.bounds().size, UISwitch::kNaturalSize);
  }
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
    const auto column = controlColumn<DataGridSliderColumn>(0);
    for (const auto& [isMinimum, bound] : c.settings)
      isMinimum ? column->cellTemplate->setMinimumValue(bound) : column->cellTemplate->setMaximumValue(bound);
    bindGrid({column}, makeRecords({{c.field}}));
    const UISlider& slider = *cellAt<DataGridSliderCell>(*column, 0)->slider;
    EXPECT_EQ(slider.minimumValue(), c.minimum) << c.name;
    EXPECT_EQ(slider.maximumValue(), c.maximum) << c.name;
    EXPECT_EQ(slider.value(), c.value) << c.name;
  }
}

TEST(ControlCells, OddRowsTakeTheAlternatingColourInsteadOfTheColumns) {
  const auto red = color(1, 0, 0);
  const auto blue = color(0, 0, 1);
  const auto slider = controlColumn<DataGridSliderColumn>(0);
  const auto toggle = controlColumn<DataGridSwitchColumn>(0);
  const auto picker = controlColumn<DataGridPickerColumn>(0);
  for (const auto& column : std::vector<std::shared_ptr<DataGridColumn>>{slider, toggle})
    column->setBackgroundColor(blue);
  auto grid = makeGrid();
  grid->ColumnsWidth = 0;
  grid->alternatingBackgroundColor = red;
  grid->Columns = {slider, toggle, picker};
  grid->DataSource = makeRecords({{"1"}, {"1"}});
  grid->DataBind();

  const auto evenSlider = cellAt<DataGridSliderCell>(*slider, 0);
  const auto oddSlider = cellAt<DataGridSliderCell>(*slider, 1);
  EXPECT_EQ(evenSlider->backgroundColor(), nullptr);
  EXPECT_EQ(evenSlider->slider->backgroundColor(), blue);
  EXPECT_EQ(oddSlider->backgroundColor(), red);
  EXPECT_EQ(oddSlider->slider->backgroundColor(), red);
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*toggle, 0)->Switch->backgroundColor(), blue);
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*toggle, 1)->Switch->backgroundColor(), red);
  // A picker takes no column colour, only the alternating one.
  EXPECT_EQ(cellAt<DataGridPickerCell>(*picker, 0)->picker->backgroundColor(), nullptr);
  EXPECT_EQ(cellAt<DataGridPickerCell>(*picker, 1)->picker->backgroundColor(), red);
}

TEST(SwitchCells, OnTintFromTheColumnUnlessTheTemplateSetsOne) {
  const auto green = color(0, 1, 0);
  const auto orange = color(1, 0.5, 0);
  const auto yellow = color(1, 1, 0);
  const auto plain = controlColumn<DataGridSwitchColumn>(0);
  plain->onTintColor = green;
  const auto templated = controlColumn<DataGridSwitchColumn>(0);
  templated->onTintColor = green;
  templated->cellTemplate->onTintColor = orange;
  templated->cellTemplate->setBackgroundColor(yellow);
  bindGrid({plain, templated}, makeRecords({{"1"}}));
  EXPECT_EQ(cellAt<DataGridSwitchCell>(*plain, 0)->Switch->onTintColor, green);
  const UISwitch& overridden = *cellAt<DataGridSwitchCell>(*templated, 0)->Switch;
  EXPECT_EQ(overridden.onTintColor, orange);
  EXPECT_EQ(overridden.backgroundColor(), yellow);
}

TEST(ControlCells, BorderWidthsFollowEachKindsUnsetValue) {
  struct Case {
    const char* name;
    std::shared_ptr<DataGridColumn> column;
    CGFloat expected;
  };
  auto switchAtMarker = controlColumn<DataGridSwitchColumn>(0);
  switchAtMarker->borderWidth = kDataGridUnsetSliderBorderWidth;
  auto sliderAtZero = controlColumn<DataGridSliderColumn>(0);
  sliderAtZero->borderWidth = 0;
  auto pickerOwn = controlColumn<DataGridPickerColumn>(0);
  pickerOwn->borderWidth = 0.5;
  const std::vector<Case> cases = {
      {"slider by default", controlColumn<DataGridSliderColumn>(0), 2},
      {"switch by default", controlColumn<DataGridSwitchColumn>(0), 0},
      {"switch at the slider marker", switchAtMarker, 2},
      {"slider at 0", sliderAtZero, 0},
      {"date picker by default", controlColumn<DataGridDatePickerColumn>(0), 2},
      {"picker by default", controlColumn<DataGridPickerColumn>(0), 2},
      {"picker of its own", pickerOwn, 0.5},
  };
  for (const Case& c : cases) {
    auto grid = makeGrid();
    grid->cellBorderWidth = 2;
    grid->cellBorderColor = UIColor::grayColor();
    grid->Columns = {c.column};
    grid->DataSource = makeRecords({{"1"}});
    grid->DataBind();
    ASSERT_EQ(c.column->Cells->size(), 1u) << c.name;
    const CALayer& layer = *(*c.column->Cells)[0]->layer();
    EXPECT_EQ(layer.borderWidth, c.expected) << c.name;
    EXPECT_EQ(layer.borderColor, UIColor::grayColor()->CGColor()) << c.name;
  }
}

TEST(ControlCells, TemplateSettingsReachTheControlButNotItsScale) {
  const auto thumb = color(1, 0, 0);
  const auto slider = controlColumn<DataGridSliderColumn>(0);
  slider->cellTemplate->thumbTintColor = thumb;
  slider->cellTemplate->tag = 7;
  slider->cellTemplate->setTransform(CGAffineTransformMakeScale(3, 3));
  slider->cellTemplate->layer()->cornerRadius = 4;
  const auto toggle = controlColumn<DataGridSwitchColumn>(0);
  toggle->cellTemplate->enabled = false;
  const auto datePicker = controlColumn<DataGridDatePickerColumn>(0);
  datePicker->cellTemplate->minuteInterval = 15;
  const auto picker = controlColumn<DataGridPickerColumn>(0);
  picker->cellTemplate->showsSelectionIndicator = true;
  bindGrid({slider, toggle, datePicker, picker}, makeRecords({{"1"}}));

  const UISlider& bound = *cellAt<DataGridSliderCell>(*slider, 0)->slider;
  EXPECT_EQ(bound.thumbTintColor, thumb);
  EXPECT_EQ(bound.tag, 7);
  EXPECT_EQ(bound.layer()->cornerRadius, 4);
  EXPECT_EQ(bound.frame(), CGRectMake(0, 0, 70, 20));
  EXPECT_FALSE(cellAt<DataGridSwitchCell>(*toggle, 0)->Switch->enabled);
  EXPECT_EQ(cellAt<DataGridDatePickerCell>(*datePicker, 0)->picker->minuteInterval, 15);
  EXPECT_TRUE(cellAt<DataGridPickerCell>(*picker, 0)->picker->showsSelectionIndicator);
}

TEST(ControlCells, ControlsCarryTheirPlaceAndSendTheirActionsToTheGrid) {
  const auto datePicker = controlColumn<DataGridDatePickerColumn>(0);
  const auto picker = controlColumn<DataGridPickerColumn>(0);
  const auto slider = controlColumn<DataGridSliderColumn>(0);
  const auto toggle = controlColumn<DataGridSwitchColumn>(0);
  const auto grid = bindGrid({datePicker, picker, slider, toggle}, makeRecords({{"1"}, {"0"}}));

  const auto actionNames = [](const UIControl& control) {
    std::vector<std::string> names;
    for (const auto& entry : control.actions().entries())
      names.push_back(entry.action);
    return names;
  };
  const auto& pickedDate = *cellAt<DataGridDatePickerCell>(*datePicker, 1)->picker;
  EXPECT_EQ(actionNames(pickedDate),
            (std::vector<std::string>{"datePkrChanged:", "datePkrEditBegin:", "datePkrEditEnd:"}));
  EXPECT_EQ(actionNames(*cellAt<DataGridSliderCell>(*slider, 1)->slider),
            std::vector<std::string>{"sldrChanged:"});
  EXPECT_EQ(actionNames(*cellAt<DataGridSwitchCell>(*toggle, 1)->Switch),
            std::vector<std::string>{"SwhChanged:"});

  const UIPickerView& wheel = *cellAt<DataGridPickerCell>(*picker, 1)->picker;
  EXPECT_EQ(wheel.delegate().get(), static_cast<UIPickerViewDelegate*>(grid.get()));
  EXPECT_EQ(wheel.dataSource().get(), static_cast<UIPickerViewDataSource*>(grid.get()));

  const UISwitch& control = *cellAt<DataGridSwitchCell>(*toggle, 1)->Switch;
  EXPECT_EQ(control.accessibilityHint(), "1");
  EXPECT_EQ(control.accessibilityLabel(), "3");
  ASSERT_EQ(control.gestureRecognizers().size(), 1u);
  EXPECT_EQ(control.gestureRecognizers()[0]->accessibilityValue, Value("0"));
  EXPECT_TRUE(control.userInteractionEnabled);
}

TEST(ControlCells, ATapOnASwitchReachesTheDelegateWithTheFieldAtBindTime) {
  const auto toggle = controlColumn<DataGridSwitchColumn>(1);
  toggle->cellSize = CGSizeMake(30, 10);
  const auto grid =
      bindGrid({testing::labelColumn("Name", 0), toggle}, makeRecords({{"Ann", "no"}, {"Bob", "yes"}}));
  const auto recorder = std::make_shared<testing::TapRecorder>();
  grid->setDelegate(recorder);
  grid->DataSource.at(1).replaceAt(1, Value("edited"));
  // The second row's switch, scaled to 30 x 10 in the middle of its 70 x 20 cell, below a header 5 high.
  const CGPoint onSwitch{70 + 35, grid->HeaderHeight + 20 + 10};
  EXPECT_EQ(tapAt(*grid, onSwitch), 1);
  const CGPoint besideSwitch{70 + 5, grid->HeaderHeight + 20 + 10};
  EXPECT_EQ(tapAt(*grid, besideSwitch), 0);
  ASSERT_EQ(recorder->cellTaps.size(), 1u);
  EXPECT_EQ(recorder->cellTaps[0].row, 1);
  EXPECT_EQ(recorder->cellTaps[0].column, 1);
  EXPECT_EQ(recorder->cellTaps[0].value, Value("yes"));
}

TEST(ControlCells, AScaledSwitchThatIsOnShowsItsOnColourInsideItsCell) {
  const auto toggle = controlColumn<DataGridSwitchColumn>(0, 102);
  toggle->onTintColor = color(1, 0, 0);
  const auto grid = bindGrid({toggle}, makeRecords({{"1"}, {"0"}}), 62);
  const auto image = testing::pixelsOf(*grid);
  const int top = static_cast<int>(grid->HeaderHeight);
  // The on switch, twice its natural size: its track left of the knob is red.
  EXPECT_TRUE(testing::pixelNear(*image, 30, top + 31, testing::kRed));
  EXPECT_TRUE(testing::pixelNear(*image, 90, top + 31, testing::kWhite, 40));
  // The off switch below shows no red.
  EXPECT_FALSE(testing::pixelNear(*image, 30, top + 62 + 31, testing::kRed, 60));
}

TEST_F(PickerImages, TheWorkedExampleFramesAndDividesADatePicker) {
  const auto column = controlColumn<DataGridDatePickerColumn>(0, 160);
  const auto grid = bindGrid({column}, makeRecords({{"01/02/2025"}}), 108);
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
  struct Case {
    NSInteger templateMode;
    std::vector<CGFloat> dividerXs;
  };
  const Case cases[] = {{UIDatePickerModeDateAndTime, {70, 90, 120}},
                        {UIDatePickerModeTime, {60, 88.5}},
                        {UIDatePickerModeCountDownTimer, {70}},
                        {7, {}}};
  for (const Case& c : cases) {
    const auto column = controlColumn<DataGridDatePickerColumn>(0, 160);
    column->cellTemplate->datePickerMode = static_cast<UIDatePickerMode>(c.templateMode);
    bindGrid({column}, makeRecords({{"x"}}), 108);
    const auto cell = cellAt<DataGridDatePickerCell>(*column, 0);
    EXPECT_EQ(cell->picker->datePickerMode, c.templateMode);
    const auto overlays = overlaysOf(*cell);
    ASSERT_EQ(overlays.size(), 1 + c.dividerXs.size()) << "mode " << c.templateMode;
    EXPECT_EQ(overlays[0]->frame(), CGRectMake(0, 0, 160, 108)) << "the frame image stays";
    for (std::size_t i = 0; i < c.dividerXs.size(); ++i)
      EXPECT_DOUBLE_EQ(overlays[i + 1]->frame().origin.x, c.dividerXs[i]) << "mode " << c.templateMode;
  }
}

TEST_F(PickerImages, FrameColourPicksTheImagePairAndAMissingPairGivesEmptyImages) {
  struct Case {
    NSUInteger color;
    const char* frameName;
  };
  for (const Case& c : {Case{7, "bluePickerFrame.png"}, Case{0, "blackPickerFrame.png"}}) {
    const auto picker = controlColumn<DataGridPickerColumn>(0);
    picker->pickerFrameColor = static_cast<DataGridPickerFrameColor>(c.color);
    bindGrid({picker}, makeRecords({{"a"}}));
    const auto overlays = overlaysOf(*cellAt<DataGridPickerCell>(*picker, 0));
    ASSERT_EQ(overlays.size(), 1u) << "a picker has a frame and no dividers";
    EXPECT_EQ(overlays[0]->image, UIImage::imageNamed(c.frameName)) << c.color;
  }
  const auto red = controlColumn<DataGridDatePickerColumn>(0);
  red->pickerFrameColor = DataGridPickerFrameColorRed;
  bindGrid({red}, makeRecords({{"a"}}), 40);
  const auto overlays = overlaysOf(*cellAt<DataGridDatePickerCell>(*red, 0));
  ASSERT_EQ(overlays.size(), 3u);
  EXPECT_EQ(overlays[0]->image, nullptr);
  EXPECT_EQ(overlays[1]->frame().size, CGSizeMake(0, 0));
  EXPECT_DOUBLE_EQ(overlays[1]->frame().origin.y, 20);
}

}  // namespace
}  // namespace tarnavel
