// Uses each of the three controls through the installed public headers only, and draws a chart to a file.
#include <cstdio>
#include <memory>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/render/Renderer.h"
#include "tarnavel/version.h"
#include "tarnavel/xml/XMLReader.h"

using namespace tarnavel;

int main(int argc, char** argv) {
  const char* output = argc > 1 ? argv[1] : "consumer.png";

  const Value shelf = XMLReader::XMLtoDictionary("<shelf><book>Dune</book></shelf>");
  const std::string title =
      shelf.objectForKey("shelf").objectForKey("book").objectForKey(kXMLReaderTextNodeKey).string();

  auto grid = std::make_shared<UIDataGrid>(CGRectMake(0, 0, 200, 100));
  auto column = std::make_shared<DataGridLabelColumn>();
  column->dataFieldIndex = 0;
  grid->Columns = {column};
  grid->DataSource = Value::newArray({Value::newArray({title})});
  grid->DataBind();

  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, 320, 200));
  auto sales = std::make_shared<ChartSeries>();
  for (double value : {3.0, 5.0, 4.0}) {
    auto item = std::make_shared<ChartItem>();
    item->value = value;
    sales->Items.push_back(item);
  }
  chart->series.push_back(sales);
  chart->DataBind();
  try {
    render(*chart, output);
  } catch (const NSException& failure) {
    std::fprintf(stderr, "could not write %s: %s\n", output, failure.what());
    return 1;
  }
  std::printf("Tarnavel %s: a grid of \"%s\" and a chart in %s\n", TarnavelVersionString, title.c_str(),
              output);
  return 0;
}
