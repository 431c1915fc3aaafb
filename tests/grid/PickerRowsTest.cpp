#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "GridTestSupport.h"
#include "platform/RenderingTestSupport.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/render/Renderer.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::makeGrid;
using testing::makeRecords;

Value entries(std::initializer_list<const char*> texts) {
  Value list = Value::newArray();
  for (const char* text : texts)
    list.append(Value(std::string(text)));
  return list;
}

/// A grid bound with one picker column over two records; `picker` is the second record's picker.
struct PickerGrid {
  std::shared_ptr<UIDataGrid> grid = makeGrid(400, 600);
  std::shared_ptr<DataGridPickerColumn> column = std::make_shared<DataGridPickerColumn>();
  std::shared_ptr<UIPickerView> picker;

  explicit PickerGrid(Value list = entries({"red", "green", "blue"})) {
    column->Title = "Colour";
    column->dataFieldIndex = 0;
    column->pickerDataSource = list;
    grid->Columns = {column};
    grid->DataSource = makeRecords({{"red"}, {"blue"}});
  }

  PickerGrid& bind() {
    grid->DataBind();
    const auto cell = cellAt<DataGridPickerCell>(*column, 1);
    picker = cell ? cell->picker : nullptr;
    return *this;
  }

  std::shared_ptr<UILabel> rowLabel(NSInteger row) {
    return std::dynamic_pointer_cast<UILabel>(grid->viewForRow(*picker, row, 0, nullptr));
  }
};

TEST(PickerRowCount, AtLeastOneRowElseOnePerEntry) {
  struct Case {
    Value list;
    NSInteger rows;
  };
  const Case cases[] = {{Value(), 1},
                        {entries({}), 1},
                        {entries({"a"}), 1},
                        {entries({"a", "b"}), 2},
                        {entries({"a", "b", "c", "d", "e"}), 5},
                        {Value("not a list"), 1}};
  PickerGrid g;
  g.bind();
  ASSERT_TRUE(g.picker);
  EXPECT_EQ(g.grid->numberOfComponentsInPickerView(*g.picker), 1);
  for (const Case& c : cases) {
    // Read afresh at every question: no new bind is needed.
    g.column->pickerDataSource = c.list;
    EXPECT_EQ(g.grid->numberOfRowsInComponent(*g.picker, 0), c.rows) << c.list.description();
  }
}

TEST(PickerRowHeight, OwnHeightElseHalfTheGridRow) {
  PickerGrid g;
  g.bind();
  g.grid->RowHeight = 30;
  for (const auto& [own, expected] : {std::pair{0.0, 15.0}, std::pair{22.0, 22.0}, std::pair{-4.0, -4.0}}) {
    g.column->pickerRowHeight = own;
    EXPECT_EQ(g.grid->rowHeightForComponent(*g.picker, 7), expected);
  }
}

TEST(PickerRowQuestions, ColumnMissingSinceTheBindGivesTheFallbacks) {
  PickerGrid g;
  g.column->pickerRowHeight = 22;
  g.bind();
  g.grid->RowHeight = 30;
  for (const auto& replaced :
       {std::vector<std::shared_ptr<DataGridColumn>>{}, {testing::labelColumn("Other", 0)}, {nullptr}}) {
    g.grid->Columns = replaced;
    EXPECT_EQ(g.grid->numberOfRowsInComponent(*g.picker, 0), 1);
    EXPECT_EQ(g.grid->rowHeightForComponent(*g.picker, 0), 15);
    const auto label = g.rowLabel(0);
    ASSERT_TRUE(label);
    EXPECT_FALSE(label->text());
  }
}

TEST(PickerRowView, LabelShowsTheEntryFramedAsThePicker) {
  PickerGrid g;
  g.column->cellLabelTemplate->textAlignment = NSTextAlignment::Center;
  g.column->cellLabelTemplate->numberOfLines = 2;
  g.column->cellLabelTemplate->tag = 9;
  g.bind();
  for (NSInteger row = 0; row < 3; ++row) {
    const auto label = g.rowLabel(row);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), g.column->pickerDataSource.at(row).string());
    EXPECT_EQ(label->frame(), g.picker->frame());
    EXPECT_EQ(label->textAlignment, NSTextAlignment::Center);
    EXPECT_EQ(label->numberOfLines, 2);
    EXPECT_EQ(label->tag, 9);
  }
  // A new label every time, whatever the picker offers for reuse.
  const auto offered = std::make_shared<UILabel>();
  EXPECT_NE(g.grid->viewForRow(*g.picker, 0, 0, offered), offered);
  EXPECT_NE(g.rowLabel(0), g.rowLabel(0));
}

TEST(PickerRowView, ColoursAndFontsFromColumnThenTemplate) {
  const auto columnFont = UIFont::fontWithName("Verdana", 9);
  const auto templateFont = UIFont::fontWithName("Verdana", 14);
  const auto platformFont = UILabel().font();
  const auto green = UIColor::colorWithRed(0, 1, 0, 1);
  const auto blue = UIColor::colorWithRed(0, 0, 1, 1);
  struct Case {
    std::shared_ptr<UIFont> columnFont;
    std::shared_ptr<UIFont> templateFont;
    std::shared_ptr<UIColor> templateBackground;
    std::shared_ptr<UIFont> expectedFont;
    std::shared_ptr<UIColor> expectedBackground;
  };
  const Case cases[] = {
      {kDataGridUnsetFont(), kDataGridUnsetFont(), kDataGridUnsetColor(), platformFont, green},
      {kDataGridUnsetFont(), templateFont, kDataGridUnsetColor(), templateFont, green},
      {columnFont, kDataGridUnsetFont(), blue, columnFont, blue},
      {columnFont, templateFont, kDataGridUnsetColor(), templateFont, green},
  };
  for (const Case& c : cases) {
    PickerGrid g;
    g.column->font = c.columnFont;
    g.column->setBackgroundColor(green);
    g.column->cellLabelTemplate->setFont(c.templateFont);
    g.column->cellLabelTemplate->setBackgroundColor(c.templateBackground);
    g.bind();
    for (NSInteger row = 0; row < 3; ++row) {
      const auto label = g.rowLabel(row);
      EXPECT_EQ(label->font(), c.expectedFont) << "row " << row;
      EXPECT_EQ(label->backgroundColor(), c.expectedBackground) << "row " << row;
      // The bind gave the column the grid's foregroundColor.
      EXPECT_EQ(label->textColor(), g.grid->foregroundColor);
    }
  }
}

TEST(PickerRowView, FirstRowOfAnEmptyListIsAStyledLabelWithoutText) {
  PickerGrid g(entries({}));
  const auto amber = UIColor::colorWithRed(1, 0.75, 0, 1);
  g.column->cellLabelTemplate->setBackgroundColor(amber);
  g.bind();
  ASSERT_EQ(g.grid->numberOfRowsInComponent(*g.picker, 0), 1);
  const auto label = g.rowLabel(0);
  ASSERT_TRUE(label);
  EXPECT_FALSE(label->text());
  EXPECT_EQ(label->backgroundColor(), amber);
  ASSERT_TRUE(g.grid->lastSwallowedException());
  EXPECT_EQ(g.grid->lastSwallowedException()->name(), NSRangeException);
  EXPECT_EQ(label->frame(), g.picker->frame());
}

/// Gives its own view for even picker rows and reports what it was asked with.
class EvenRowViews : public DataGridDelegate {
 public:
  std::shared_ptr<UIView> datagridPickerColumnCellViewForRow(UIDataGrid&, int rowIndex, int colIndex,
                                                             NSInteger rowInPicker, NSInteger component,
                                                             const std::shared_ptr<UIView>& reusingView,
                                                             UIPickerView& sender) override {
    asked.push_back(std::to_string(rowIndex) + "," + std::to_string(colIndex) + " row " +
                    std::to_string(rowInPicker) + " of " + std::to_string(component) +
                    (reusingView == offered ? "" : " lost the offered view"));
    senders.push_back(&sender);
    if (raise) raiseException(NSGenericException, "host failed");
    return rowInPicker % 2 == 0 ? std::make_shared<UIView>() : nullptr;
  }
  std::vector<std::string> asked;
  std::vector<UIPickerView*> senders;
  std::shared_ptr<UIView> offered;
  bool raise = false;
};

TEST(PickerRowView, HostViewsReplaceTheLabelOnlyWhereGiven) {
  PickerGrid g(entries({"a", "b", "c", "d"}));
  const auto host = std::make_shared<EvenRowViews>();
  host->offered = std::make_shared<UIView>();
  g.grid->setDelegate(host);
  g.bind();
  std::vector<bool> labels;
  for (NSInteger row = 0; row < 4; ++row)
    labels.push_back(dynamic_cast<UILabel*>(g.grid->viewForRow(*g.picker, row, 3, host->offered).get()));
  EXPECT_EQ(labels, (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(host->asked, (std::vector<std::string>{"1,0 row 0 of 3", "1,0 row 1 of 3", "1,0 row 2 of 3",
                                                   "1,0 row 3 of 3"}));
  EXPECT_EQ(host->senders.front(), g.picker.get());

  host->raise = true;
  const auto label = g.rowLabel(0);
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text(), "a");
}

TEST(PickerRowPixels, BoundPickerShowsTheSelectedEntryInItsMiddleRow) {
  // Wide entries around a short one: only the selected entry's ink reaches far from the left edge.
  PickerGrid g(entries({"i", "WWWWWWWWWW", "i"}));
  g.grid->DataSource = makeRecords({{"i"}, {"WWWWWWWWWW"}});
  g.grid->ColumnsWidth = 0;
  g.column->Width = 320;
  g.grid->RowHeight = 216;  // the picker's natural size: drawn unscaled
  g.bind();
  RenderOptions options;
  options.background = UIColor::whiteColor();
  const auto image = renderToImage(*g.grid, options);
  const CGPoint origin = g.picker->convertPointToView({0, 0}, g.grid.get());
  // Rows of 108 (half of RowHeight): the middle row spans 54..162 of the picker.
  const auto inkIn = [&](CGFloat top, CGFloat bottom) {
    return testing::inkPixels(*image, static_cast<int>(origin.x) + 40, static_cast<int>(origin.y + top),
                              static_cast<int>(origin.x) + 150, static_cast<int>(origin.y + bottom));
  };
  EXPECT_GT(inkIn(60, 156), 50);
  EXPECT_EQ(inkIn(4, 50), 0);
  EXPECT_EQ(inkIn(166, 212), 0);
  const std::filesystem::path folder = std::filesystem::path(TARNAVEL_TEST_OUTPUT) / "grid";
  std::filesystem::create_directories(folder);
  render(*g.grid, (folder / "picker-rows.png").string(), options);
}

}  // namespace
}  // namespace tarnavel
