// The data grid with control cells: a task list whose due dates, priorities, progress and done flags are
// date pickers, pickers, sliders and switches beside label and text-field columns.
#include <memory>

#include "GalleryPage.h"
#include "tarnavel/grid/UIDataGrid.h"

namespace {

using namespace tarnavel;

template <class Column>
std::shared_ptr<Column> column(const char* title, NSInteger field, CGFloat width) {
  auto made = std::make_shared<Column>();
  made->Title = title;
  made->dataFieldIndex = field;
  made->Width = width;
  made->header->textAlignment = NSTextAlignment::Center;
  return made;
}

Value taskRecords() {
  return Value::newArray({
      Value::newArray({"Survey the site", "Mara", "03/04/2025", "High", "80", "yes"}),
      Value::newArray({"Order the timber", "Jonas", "03/18/2025", "Normal", "35", "no"}),
      Value::newArray({"Pour the footings", "Ilse", "04/02/2025", "Urgent", "10", "no"}),
      Value::newArray({"Raise the frame", "Tomas", "05/21/2025", "Low", "0", "no"}),
  });
}

std::shared_ptr<UIDataGrid> makeGrid() {
  const auto grid = std::make_shared<UIDataGrid>(CGRectMake(0, 0, 700, 360));
  grid->setBackgroundColor(UIColor::whiteColor());
  grid->ColumnsWidth = 0;  // each column keeps its own width
  grid->RowHeight = 80;
  grid->datagridFont = UIFont::fontWithName("Verdana", 11);
  grid->foregroundColor = UIColor::colorWithWhite(0.15, 1);
  grid->alternatingBackgroundColor = UIColor::colorWithRed(0.95, 0.96, 0.93, 1);
  grid->cellBorderColor = UIColor::colorWithWhite(0.85, 1);
  grid->cellBorderWidth = 0.5;
  grid->HeaderFont = UIFont::fontWithName("Verdana-Bold", 11);
  grid->HeaderHeight = 26;
  grid->HeaderForegroundColor = UIColor::whiteColor();
  grid->HeaderBackgroundColor = UIColor::colorWithRed(0.25, 0.4, 0.3, 1);
  return grid;
}

void addColumns(UIDataGrid& grid) {
  const auto task = column<DataGridLabelColumn>("Task", 0, 130);
  task->cellSize = CGSizeMake(122, 80);  // a little room on the left
  task->cellLayoutPosition = DataGridCellLayoutPositionMiddleRight;

  const auto owner = column<DataGridTextFieldColumn>("Owner", 1, 90);
  owner->borderStyle = 3;
  owner->cellSize = CGSizeMake(78, 24);
  owner->cellTemplate->setBackgroundColor(UIColor::whiteColor());

  const auto due = column<DataGridDatePickerColumn>("Due", 2, 170);
  due->pickerFrameColor = DataGridPickerFrameColorGreen;

  const auto priority = column<DataGridPickerColumn>("Priority", 3, 100);
  priority->pickerDataSource = Value::newArray({"Low", "Normal", "High", "Urgent"});
  priority->pickerFrameColor = DataGridPickerFrameColorBrown;

  const auto progress = column<DataGridSliderColumn>("Progress", 4, 130);
  progress->cellTemplate->minimumTrackTintColor = UIColor::colorWithRed(0.3, 0.6, 0.35, 1);

  const auto done = column<DataGridSwitchColumn>("Done", 5, 70);
  done->cellSize = DataGridSwitchColumn().cellTemplate->bounds().size;  // at its natural size
  done->onTintColor = UIColor::colorWithRed(0.3, 0.6, 0.35, 1);

  grid.Columns = {task, owner, due, priority, progress, done};
}

void build(gallery::GalleryOutput& output) {
  const auto grid = makeGrid();
  addColumns(*grid);
  grid->DataSource = taskRecords();
  grid->DataBind();
  output.renderView(*grid, "grid-controls.png");
}

gallery::GalleryPage page("grid-controls", &build);

}  // namespace
