#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/controls/UIPickerView.h"

namespace tarnavel {
namespace {

using testing::pixelsOf;

/// A one-wheel list of `rows` rows that writes down what the picker asks. Row `coloured` shows a view of
/// its own colour; rows listed in `blank` answer no view.
class RowSource : public UIPickerViewDataSource, public UIPickerViewDelegate {
 public:
  std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView&) override {
    asked.push_back("components");
    return components;
  }
  std::optional<NSInteger> numberOfRowsInComponent(UIPickerView&, NSInteger component) override {
    asked.push_back("rows " + std::to_string(component));
    return rows;
  }
  std::optional<CGFloat> rowHeightForComponent(UIPickerView&, NSInteger component) override {
    asked.push_back("height " + std::to_string(component));
    return rowHeight;
  }
  std::shared_ptr<UIView> viewForRow(UIPickerView&, NSInteger row, NSInteger component,
                                     const std::shared_ptr<UIView>&) override {
    viewsAsked.push_back(std::to_string(component) + ":" + std::to_string(row));
    if (std::find(blank.begin(), blank.end(), row) != blank.end()) return nullptr;
    if (returnView) return returnView;
    auto view = std::make_shared<UIView>();
    if (row == coloured) view->setBackgroundColor(UIColor::colorWithRed(0, 0.5, 0, 1));
    return view;
  }

  std::optional<NSInteger> components = 1;
  std::optional<NSInteger> rows = 10;
  std::optional<CGFloat> rowHeight;
  NSInteger coloured = -1;
  std::vector<NSInteger> blank;
  std::shared_ptr<UIView> returnView;
  std::vector<std::string> asked;
  std::vector<std::string> viewsAsked;
};

std::shared_ptr<UIPickerView> pickerWith(const std::shared_ptr<RowSource>& source) {
  auto picker = std::make_shared<UIPickerView>();
  picker->setDataSource(source);
  picker->setDelegate(source);
  return picker;
}

using Texts = std::vector<std::string>;

TEST(PickerRows, AsksForTheRowsAroundTheSelectedRow) {
  struct Case {
    std::optional<CGFloat> rowHeight;
    NSInteger selected;
    Texts views;
  };
  // The face is 216 high: rows of 43.2 show two above and two below the middle one, rows of 30 four
  // (the fourth just reaching in), and a selection beyond the list shows its last row.
  const Case cases[] = {
      {std::nullopt, 5, {"0:3", "0:4", "0:5", "0:6", "0:7"}},
      {30, 5, {"0:1", "0:2", "0:3", "0:4", "0:5", "0:6", "0:7", "0:8", "0:9"}},
      {30, 0, {"0:0", "0:1", "0:2", "0:3", "0:4"}},
      {-4, 40, {"0:7", "0:8", "0:9"}},
  };
  for (const Case& c : cases) {
    const auto source = std::make_shared<RowSource>();
    source->rowHeight = c.rowHeight;
    const auto picker = pickerWith(source);
    picker->selectRow(c.selected, 0, false);
    picker->reloadAllComponents();
    EXPECT_EQ(source->asked, (Texts{"components", "rows 0", "height 0"}));
    EXPECT_EQ(source->viewsAsked, c.views);
  }
}

TEST(PickerRows, RowViewsAreFramedOneRowApartAroundTheMiddle) {
  const auto source = std::make_shared<RowSource>();
  source->components = 2;
  source->rowHeight = 30;
  const auto picker = pickerWith(source);
  picker->selectRow(5, 1, false);
  picker->reloadAllComponents();
  // The middle row's top: (216 - 30) / 2 = 93. Each of the two wheels is 160 wide, its rows 16 in from
  // either side.
  EXPECT_EQ(picker->viewForRow(0, 0)->frame(), CGRectMake(16, 93, 128, 30));
  EXPECT_EQ(picker->viewForRow(2, 0)->frame(), CGRectMake(16, 153, 128, 30));
  EXPECT_EQ(picker->viewForRow(5, 1)->frame(), CGRectMake(176, 93, 128, 30));
  EXPECT_EQ(picker->viewForRow(1, 1)->frame(), CGRectMake(176, -27, 128, 30));
  EXPECT_EQ(picker->viewForRow(0, 1), nullptr);  // beyond the face
}

TEST(PickerRows, NoDataSourceAsksNothingAndNoRowsShowNothing) {
  const auto source = std::make_shared<RowSource>();
  auto picker = std::make_shared<UIPickerView>();
  picker->setDelegate(source);
  pixelsOf(*picker);
  picker->reloadAllComponents();
  EXPECT_TRUE(source->asked.empty());
  EXPECT_TRUE(source->viewsAsked.empty());

  for (const std::optional<NSInteger> none :
       {std::optional<NSInteger>(0), std::optional<NSInteger>(-3), std::optional<NSInteger>()}) {
    const auto empty = std::make_shared<RowSource>();
    empty->rows = none;
    const auto listless = pickerWith(empty);
    listless->reloadAllComponents();
    EXPECT_TRUE(empty->viewsAsked.empty());
  }
}

TEST(PickerRows, RowsWithoutAViewAndViewsHoldingThePickerAreLeftOut) {
  const auto source = std::make_shared<RowSource>();
  source->blank = {1};
  const auto picker = pickerWith(source);
  picker->reloadAllComponents();
  EXPECT_EQ(picker->viewForRow(1, 0), nullptr);
  EXPECT_NE(picker->viewForRow(2, 0), nullptr);

  // A row view that holds the picker would draw the picker inside itself without end.
  const auto holder = std::make_shared<UIView>(CGRectMake(0, 0, 320, 216));
  holder->addSubview(picker);
  source->returnView = holder;
  pixelsOf(*holder);
  EXPECT_EQ(picker->viewForRow(0, 0), nullptr);
}

TEST(PickerRows, DrawnPickerShowsTheSelectedRowViewInTheMiddleBand) {
  const auto source = std::make_shared<RowSource>();
  source->rowHeight = 40;
  source->coloured = 3;
  const auto picker = pickerWith(source);
  picker->selectRow(3, 0, false);
  const auto image = pixelsOf(*picker);
  // The middle row spans y 88..128; the rows around it are plain views over the white face.
  EXPECT_TRUE(testing::pixelNear(*image, 160, 108, testing::opaque(0, 128, 0)));
  EXPECT_TRUE(testing::pixelNear(*image, 160, 70, testing::kWhite));
  EXPECT_TRUE(testing::pixelNear(*image, 160, 150, testing::kWhite));
}

}  // namespace
}  // namespace tarnavel
