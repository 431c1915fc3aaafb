// The data grid with control cells: a task list whose due dates, priorities, progress and done flags are
// date pickers, pickers, sliders and switches beside label and text-field columns.
#include <memory>

#include "GalleryPage.h"
#include "GridStyling.h"
#include "tarnavel/grid/UIDataGrid.h"

namespace {

using namespace tarnavel;

Value taskRecords() {
  return Value::newArray({
      Value::newArray({"Survey the site", "Mara", "03/04/2025", "High", "80", "yes"}),
      Value::newArray({"Order the timber", "Jonas", "03/18/2025", "Normal", "35", "no"}),
      Value::newArray({"Pour the footings", "Ilse", "04/02/2025", "Urgent", "10", "no"}),
      Value::newArray({"Raise the frame", "Tomas", "05/21/2025", "Low", "0", "no"}),
  });
}

std::shared_ptr<UIDataGrid> makeGrid() {
  const auto grid =
      gallery::makeGalleryGrid(CGRectMake(0, 0, 700, 360), 80, UIColor::colorWithRed(0.25, 0.4, 0.3, 1),
                               UIColor::colorWithRed(0.95, 0.96, 0.93, 1));
  return grid;
}

void addColumns(UIDataGrid& grid) {
  const auto task = gallery::makeGalleryColumn<DataGridLabelColumn>("Task", 0, 130);
  task->cellSize = CGSizeMake(122, 80);  // a little room on the left
  task->cellLayoutPosition = DataGridCellLayoutPositionMiddleRight;

  const auto owner = gallery::makeGalleryColumn<DataGridTextFieldColumn>("Owner", 1, 90);
  owner->borderStyle = 3;
  owner->cellSize = CGSizeMake(78, 24);
  owner->cellTemplate->setBackgroundColor(UIColor::whiteColor());

  const auto due = gallery::makeGalleryColumn<DataGridDatePickerColumn>("Due", 2, 170);
  due->pickerFrameColor = DataGridPickerFrameColorGreen;

  const auto priority = gallery::makeGalleryColumn<DataGridPickerColumn>("Priority", 3, 100);
  priority->pickerDataSource = Value::newArray({"Low", "Normal", "High", "Urgent"});
  priority->pickerFrameColor = DataGridPickerFrameColorBrown;

  const auto progress = gallery::makeGalleryColumn<DataGridSliderColumn>("Progress", 4, 130);
  progress->cellTemplate->minimumTrackTintColor = UIColor::colorWithRed(0.3, 0.6, 0.35, 1);

  const auto done = gallery::makeGalleryColumn<DataGridSwitchColumn>("Done", 5, 70);
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
