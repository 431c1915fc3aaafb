#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/controls/UIPickerView.h"

namespace tarnavel {
namespace {

using Texts = std::vector<std::string>;

/// `components` wheels of ten rows that write down what the picker asks.
struct RowSource : UIPickerViewDataSource, UIPickerViewDelegate {
  std::optional<NSInteger> numberOfComponentsInPickerView(UIPickerView&) override {
    asked.push_back("components");
    return components;
  }
  std::optional<NSInteger> numberOfRowsInComponent(UIPickerView&, NSInteger) override {
    asked.push_back("rows");
    return rows;
  }
  std::optional<CGFloat> rowHeightForComponent(UIPickerView&, NSInteger) override {
    asked.push_back("height");
    return rowHeight;
  }
  std::shared_ptr<UIView> viewForRow(UIPickerView&, NSInteger row, NSInteger component,
                                     const std::shared_ptr<UIView>&) override {
    asked.push_back(std::to_string(component) + ":" + std::to_string(row));
    if (row == 1 || holder) return holder;  // row 1 shows nothing
    return std::make_shared<UIView>();
  }
  std::optional<NSInteger> components = 1;
  std::optional<NSInteger> rows = 10;
  std::optional<CGFloat> rowHeight;
  std::shared_ptr<UIView> holder;
  Texts asked;
};

std::shared_ptr<UIPickerView> pickerWith(const std::shared_ptr<RowSource>& source, NSInteger selected) {
  auto picker = std::make_shared<UIPickerView>();
  picker->setDataSource(source);
  picker->setDelegate(source);
  picker->selectRow(selected, 0, false);
  return picker;
}

TEST(PickerRows, AsksForTheRowsThatReachIntoTheFaceAroundTheSelectedOne) {
  struct Case {
    std::optional<CGFloat> rowHeight;
    NSInteger selected;
    Texts asked;
  };
  // The face is 216 high: its own rows of 43.2 show two either side of the middle, rows of 30 four (the
  // fourth just reaching in); a selection beyond the list stands on its last row.
  for (const Case& c :
       {Case{std::nullopt, 5, {"components", "rows", "height", "0:3", "0:4", "0:5", "0:6", "0:7"}},
        Case{30, 0, {"components", "rows", "height", "0:0", "0:1", "0:2", "0:3", "0:4"}},
        Case{-4, 40, {"components", "rows", "height", "0:7", "0:8", "0:9"}}}) {
    const auto source = std::make_shared<RowSource>();
    source->rowHeight = c.rowHeight;
    const auto picker = pickerWith(source, c.selected);
    picker->reloadAllComponents();
    EXPECT_EQ(source->asked, c.asked);
  }
  const auto source = std::make_shared<RowSource>();
  source->components = 2;
  source->rowHeight = 30;
  const auto picker = pickerWith(source, 5);
  picker->reloadAllComponents();
  // Middle row top (216 - 30) / 2 = 93; wheels 160 wide with their rows 16 in from either side. The first
  // wheel stands on row 5, the second on row 0.
  EXPECT_EQ(picker->viewForRow(2, 0)->frame(), CGRectMake(16, 3, 128, 30));
  EXPECT_EQ(picker->viewForRow(2, 1)->frame(), CGRectMake(176, 153, 128, 30));
  EXPECT_EQ(picker->viewForRow(1, 1), nullptr);
}

TEST(PickerRows, NoDataSourceAsksNothingAndAViewHoldingThePickerIsLeftOut) {
  const auto source = std::make_shared<RowSource>();
  const auto lone = std::make_shared<UIPickerView>();
  lone->setDelegate(source);
  testing::pixelsOf(*lone);
  EXPECT_TRUE(source->asked.empty());

  // Drawn inside itself, the picker would never end.
  const auto picker = pickerWith(source, 0);
  source->holder = std::make_shared<UIView>(CGRectMake(0, 0, 320, 216));
  source->holder->addSubview(picker);
  testing::pixelsOf(*source->holder);
  EXPECT_EQ(picker->viewForRow(0, 0), nullptr);
}

}  // namespace
}  // namespace tarnavel
