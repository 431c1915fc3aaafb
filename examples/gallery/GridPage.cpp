// The data grid: a bound grid's header strip of column titles.
#include <memory>

#include "GalleryPage.h"
#include "tarnavel/grid/UIDataGrid.h"

namespace {

using namespace tarnavel;

std::shared_ptr<DataGridLabelColumn> titledColumn(const char* title, NSInteger field, CGFloat width) {
  auto column = std::make_shared<DataGridLabelColumn>();
  column->Title = title;
  column->dataFieldIndex = field;
  column->Width = width;
  return column;
}

Value sampleRecords() {
  return Value::newArray({Value::newArray({"Ada", "Lovelace", "1815"}),
                          Value::newArray({"Alan", "Turing", "1912"}),
                          Value::newArray({"Grace", "Hopper", "1906"})});
}

void build(gallery::GalleryOutput& output) {
  const auto grid = std::make_shared<UIDataGrid>(CGRectMake(0, 0, 300, 60));
  grid->setBackgroundColor(UIColor::whiteColor());
  grid->ColumnsWidth = 0;  // let each column keep its own width
  grid->HeaderFont = UIFont::fontWithName("Verdana-Bold", 12);
  grid->HeaderForegroundColor = UIColor::whiteColor();
  grid->HeaderBackgroundColor = UIColor::colorWithRed(0.2, 0.35, 0.6, 1);
  grid->HeaderBorderColor = UIColor::colorWithRed(0.12, 0.22, 0.4, 1);
  grid->HeaderBorderWidth = 1;
  grid->columnBorderWidth = 1;
  grid->columnBorderColor = UIColor::whiteColor();
  grid->Columns = {titledColumn("First name", 0, 110), titledColumn("Last name", 1, 110),
                   titledColumn("Born", 2, 70)};
  grid->Columns[2]->HeaderBackgroundColor = UIColor::colorWithRed(0.55, 0.3, 0.1, 1);
  grid->DataSource = sampleRecords();
  grid->DataBind();
  output.renderView(*grid, "grid-header.png");
}

gallery::GalleryPage page("grid", &build);

}  // namespace
