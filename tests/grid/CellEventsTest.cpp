#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "tarnavel/platform/input/UserInput.h"

namespace tarnavel {
namespace {

using testing::cellAt;
using testing::labelColumn;
using testing::makeGrid;
using testing::makeRecords;

TEST(CellTap, TapOnALabelCellReportsRowColumnAndValue) {
  const auto grid = makeGrid(300, 200);
  grid->RowHeight = 20;
  grid->HeaderHeight = 10;
  const auto recorder = std::make_shared<testing::TapRecorder>();
  grid->setDelegate(recorder);
  grid->Columns = {labelColumn("Name", 0), labelColumn("City", 1)};
  Value records = makeRecords({{"Ada", "London"}, {"Alan", "Wilmslow"}});
  grid->DataSource = records;
  grid->DataBind();
  records.at(1).replaceAt(1, Value("edited after the bind"));

  // The second record's City cell: x 70..140, y 20..40 below the 10-point header.
  EXPECT_EQ(tapAt(*grid, CGPointMake(100, 10 + 30)), 1);
  ASSERT_EQ(recorder->cellTaps.size(), 1u);
  EXPECT_EQ(recorder->cellTaps[0].row, 1);
  EXPECT_EQ(recorder->cellTaps[0].column, 1);
  EXPECT_EQ(recorder->cellTaps[0].value, Value("Wilmslow"));
  EXPECT_TRUE(recorder->titleTaps.empty());
}

class EditRecorder : public DataGridDelegate {
 public:
  void datagridTextFieldColumnCellEditingBegin(UIDataGrid&, int row, int col, UITextField&) override {
    events.push_back("begin " + std::to_string(row) + "," + std::to_string(col));
  }
  void datagridTextFieldColumnCellEditingChanged(UIDataGrid&, int row, int col,
                                                 UITextField& sender) override {
    events.push_back("changed " + std::to_string(row) + "," + std::to_string(col) + " " + sender.text);
  }
  void datagridTextFieldColumnCellEditingEnd(UIDataGrid&, int row, int col, UITextField&) override {
    events.push_back("end " + std::to_string(row) + "," + std::to_string(col));
  }
  std::vector<std::string> events;
};

struct EditedGrid {
  std::shared_ptr<UIDataGrid> grid;
  std::shared_ptr<EditRecorder> recorder;
  Value records;
  std::shared_ptr<UITextField> field;  // record 1's field
};

EditedGrid gridWithTextFields(bool updateDataSource) {
  EditedGrid edited{makeGrid(), std::make_shared<EditRecorder>(), makeRecords({{"a", "1"}, {"b", "2"}}),
                    nullptr};
  edited.grid->updateDataSource = updateDataSource;
  edited.grid->setDelegate(edited.recorder);
  auto column = std::make_shared<DataGridTextFieldColumn>();
  column->dataFieldIndex = 1;
  edited.grid->Columns = {labelColumn("L", 0), column};
  edited.grid->DataSource = edited.records;
  edited.grid->DataBind();
  edited.field = cellAt<DataGridTextFieldCell>(*column, 1)->textField;
  return edited;
}

TEST(TextFieldEditing, EveryChangeReachesTheDelegateWithTheCellsPlace) {
  const auto edited = gridWithTextFields(false);
  edited.field->typeText("34");
  edited.field->endEditing();
  EXPECT_EQ(edited.recorder->events,
            (std::vector<std::string>{"begin 1,1", "changed 1,1 23", "changed 1,1 234", "end 1,1"}));
  EXPECT_EQ(edited.records.at(1).at(1), Value("2"));  // nothing written back
}

TEST(TextFieldEditing, WritesTheTypedTextIntoTheHostsRecordWhenAsked) {
  const auto edited = gridWithTextFields(true);
  edited.field->typeText("5");
  EXPECT_EQ(edited.records.at(1).at(1), Value("25"));
  EXPECT_EQ(edited.records.at(0).at(1), Value("1"));
}

TEST(TextFieldEditing, StaleCarriersSkipTheWriteButStillTellTheDelegate) {
  const auto edited = gridWithTextFields(true);
  edited.grid->DataSource = makeRecords({{"only one record"}});
  edited.field->typeText("9");
  EXPECT_EQ(edited.recorder->events.back(), "changed 1,1 29");
  edited.grid->Columns.resize(1);
  edited.field->typeText("9");
  EXPECT_EQ(edited.recorder->events.back(), "changed 1,1 299");
  EXPECT_EQ(edited.records.at(1).at(1), Value("2"));
}

}  // namespace
}  // namespace tarnavel
