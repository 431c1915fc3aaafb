// The README's example: a grid, a chart and the XML reader, each drawn or printed.
#include <iostream>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/input/UserInput.h"
#include "tarnavel/platform/render/Renderer.h"
#include "tarnavel/xml/XMLReader.h"

using namespace tarnavel;

// Hears taps on the grid's cells.
struct Listener : DataGridDelegate {
  void datagridCellTapped(UIDataGrid&, int row, int col, const Value& value) override {
    std::cout << "tapped row " << row << ", column " << col << ": " << value.description() << "\n";
  }
};

int main() {
  // A grid of two columns over three records; Bo's record has no city.
  auto grid = std::make_shared<UIDataGrid>(CGRectMake(0, 0, 240, 120));
  grid->RowHeight = 20;
  grid->ColumnsWidth = 0;         // each column keeps its own Width (at 70, the default, all are 70 wide)
  grid->updateDataSource = true;  // edits are written back into the records (off by default)
  grid->datagridFont = UIFont::fontWithName("Verdana", 10);
  grid->HeaderFont = UIFont::fontWithName("Verdana-Bold", 10);
  auto name = std::make_shared<DataGridLabelColumn>();
  name->Title = "Name";
  name->dataFieldIndex = 0;
  name->Width = 60;
  auto city = std::make_shared<DataGridTextFieldColumn>();
  city->Title = "City";
  city->dataFieldIndex = 1;
  city->Width = 100;
  grid->Columns = {name, city};
  grid->DataSource = Value::newArray(
      {Value::newArray({"Ann", "Oslo"}), Value::newArray({"Bo"}), Value::newArray({"Cy", "Turku"})});
  auto listener = std::make_shared<Listener>();  // held weakly by the grid: keep it alive
  grid->setDelegate(listener);
  grid->DataBind();
  render(*grid, "grid.png", {.scale = 2, .background = UIColor::whiteColor()});
  tapAt(*grid, CGPointMake(20, 30));  // as a user: prints "tapped row 0, column 0: Ann"

  // City has cells for Ann and Cy only, so Cy's is found by the row its text field carries, not by place.
  for (const auto& cell : *city->Cells) {
    const auto& field = std::static_pointer_cast<DataGridTextFieldCell>(cell)->textField;
    if (field->accessibilityHint() == "2")
      field->replaceAllText("Turin");  // as a user: the record is written
  }
  std::cout << grid->DataSource.at(2).description() << "\n";  // prints "(Cy, Turin)"

  // A bar chart of one series on a light page: a centred title, grey grid lines, dark labels, blue bars.
  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 240));
  const auto ink = UIColor::colorWithRed(0.22, 0.24, 0.28, 1);
  chart->setBackgroundColor(UIColor::whiteColor());
  chart->chartTitle->setText("Sales");
  chart->chartTitle->setFont(UIFont::fontWithName("Verdana-Bold", 14));
  chart->chartTitle->setTextColor(ink);
  chart->chartTitle->textAlignment = NSTextAlignment::Center;
  chart->chartTitle->setFrame(CGRectMake(0, 8, 320, 24));
  chart->plotArea->setFrame(CGRectMake(40, 44, 260, 170));
  chart->foregroundColor = UIColor::colorWithRed(0.82, 0.84, 0.87, 1);  // grid lines
  chart->yAxisLabelsTextColor = ink;
  chart->yAxisLabelsFont = UIFont::fontWithName("Verdana", 9);
  auto sales = std::make_shared<ChartSeries>();
  for (double value : {12.0, 30.0, 21.0}) {
    auto item = std::make_shared<ChartItem>();
    item->value = value;
    item->layoutStyle = 0;  // a plain fill in the item's own colour
    item->setBackgroundColor(UIColor::colorWithRed(0.25, 0.48, 0.78, 1));
    sales->Items.push_back(item);
  }
  chart->series.push_back(sales);
  chart->DataBind();
  render(*chart, "chart.png", {.scale = 2});

  // An XML document as nested dictionaries.
  const Value tree = XMLReader::XMLtoDictionary("<a x=\"1\"><b>t</b><b>u</b></a>");
  std::cout << tree.objectForKey("a").objectForKey("b").at(1).objectForKey(kXMLReaderTextNodeKey).string()
            << "\n";  // prints "u"
}
