// The data grid: the five text kinds (image, label, text field, button, text view) in one bound grid, with
// alternating rows, cell borders and a styled header.
#include <memory>

#include "GalleryPage.h"
#include "GridStyling.h"
#include "tarnavel/grid/UIDataGrid.h"

namespace {

using namespace tarnavel;

Value sampleRecords() {
  return Value::newArray({
      Value::newArray({"status-ok.png", "Ada Lovelace", "London", "Open", "Notes on the engine"}),
      Value::newArray({"status-warn.png", "Alan Turing", "Wilmslow", "Open", "Check the tape"}),
      Value::newArray({"status-ok.png", "Grace Hopper", "Arlington", "Open", "Compiler ready"}),
      Value::newArray({"status-stop.png", "Konrad Zuse", "Berlin", "Retry", "Relay fault"}),
      Value::newArray({"status-ok.png", "Edsger Dijkstra", "Nuenen", "Open", "Shortest paths"}),
  });
}

std::shared_ptr<UIDataGrid> makeGrid() {
  const auto grid =
      gallery::makeGalleryGrid(CGRectMake(0, 0, 480, 190), 30, UIColor::colorWithRed(0.2, 0.35, 0.6, 1),
                               UIColor::colorWithRed(0.93, 0.95, 0.99, 1));
  grid->HeaderBorderColor = UIColor::colorWithRed(0.14, 0.26, 0.46, 1);
  grid->HeaderBorderWidth = 0.5;
  return grid;
}

void addColumns(UIDataGrid& grid) {
  const auto status = gallery::makeGalleryColumn<DataGridImageColumn>("", 0, 34);
  status->cellSize = CGSizeMake(16, 16);

  const auto name = gallery::makeGalleryColumn<DataGridLabelColumn>("Name", 1, 120);
  name->cellSize = CGSizeMake(112, 30);  // a little room on the left
  name->cellLayoutPosition = DataGridCellLayoutPositionMiddleRight;

  const auto city = gallery::makeGalleryColumn<DataGridTextFieldColumn>("City", 2, 100);
  city->borderStyle = 3;
  city->cellSize = CGSizeMake(90, 22);
  city->cellTemplate->setBackgroundColor(UIColor::whiteColor());
  city->cellTemplate->layer()->cornerRadius = 5;

  const auto action = gallery::makeGalleryColumn<DataGridButtonColumn>("Action", 3, 76);
  action->cellSize = CGSizeMake(60, 20);
  action->cellTemplate->setBackgroundColor(UIColor::colorWithRed(0.25, 0.5, 0.85, 1));
  action->cellTemplate->titleLabel()->setTextColor(UIColor::whiteColor());
  action->cellTemplate->layer()->cornerRadius = 5;

  const auto notes = gallery::makeGalleryColumn<DataGridTextViewColumn>("Notes", 4, 150);
  notes->cellTemplate->textColor = UIColor::darkGrayColor();
  notes->cellTemplate->font = UIFont::fontWithName("Verdana", 10);
  notes->cellTemplate->textContainerInset = UIEdgeInsetsMake(2, 0, 2, 0);

  grid.Columns = {status, name, city, action, notes};
  for (const auto& each : grid.Columns)
    each->header->textAlignment = NSTextAlignment::Center;
}

void build(gallery::GalleryOutput& output) {
  const auto grid = makeGrid();
  addColumns(*grid);
  grid->DataSource = sampleRecords();
  grid->DataBind();
  output.renderView(*grid, "grid.png");
}

gallery::GalleryPage page("grid", &build);

}  // namespace
