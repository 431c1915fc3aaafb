// The data grid edited as a person would: an order sheet whose quantity and price fields are typed into
// and styled as numbers, a switch flipped, a slider dragged and a note typed, with the records the grid
// wrote back listed beside the picture.
#include <memory>
#include <string>

#include "GalleryPage.h"
#include "GridStyling.h"
#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/foundation/NSLocale.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"

namespace {

using namespace tarnavel;

Value orderRecords() {
  return Value::newArray({
      Value::newArray({"Oak boards", "", "12.4", "0", "5", "Planed both sides"}),
      Value::newArray({"Brass hinges", "40", "", "1", "0", "Pairs"}),
      Value::newArray({"Linseed oil", "6", "9.95", "0", "10", ""}),
  });
}

std::shared_ptr<UIDataGrid> makeGrid() {
  const auto grid =
      gallery::makeGalleryGrid(CGRectMake(0, 0, 620, 160), 40, UIColor::colorWithRed(0.35, 0.3, 0.5, 1),
                               UIColor::colorWithRed(0.95, 0.95, 0.98, 1));
  grid->updateDataSource = true;  // edits go straight into the records
  return grid;
}

std::shared_ptr<DataGridTextFieldColumn> numberColumn(const char* title, NSInteger field, NSUInteger style,
                                                      DataGridNumberType type) {
  const auto made = gallery::makeGalleryColumn<DataGridTextFieldColumn>(title, field, 90);
  made->borderStyle = 3;
  made->cellSize = CGSizeMake(80, 24);
  made->TextAlignment = static_cast<NSInteger>(NSTextAlignment::Right);
  made->numberFormatterStyle = style;
  made->numberWithType = type;
  return made;
}

void addColumns(UIDataGrid& grid) {
  const auto item = gallery::makeGalleryColumn<DataGridLabelColumn>("Item", 0, 120);
  item->cellSize = CGSizeMake(112, 40);  // a little room on the left
  item->cellLayoutPosition = DataGridCellLayoutPositionMiddleRight;
  const auto quantity = numberColumn("Quantity", 1, NSNumberFormatterDecimalStyle, DataGridNumberTypeInt);
  const auto price = numberColumn("Price", 2, NSNumberFormatterCurrencyStyle, DataGridNumberTypeDouble);
  const auto express = gallery::makeGalleryColumn<DataGridSwitchColumn>("Express", 3, 70);
  express->cellSize = DataGridSwitchColumn().cellTemplate->bounds().size;  // at its natural size
  express->onTintColor = UIColor::colorWithRed(0.35, 0.3, 0.5, 1);
  const auto discount = gallery::makeGalleryColumn<DataGridSliderColumn>("Discount %", 4, 120);
  discount->maximumValue = 30;
  const auto notes = gallery::makeGalleryColumn<DataGridTextViewColumn>("Notes", 5, 130);
  notes->cellTemplate->font = UIFont::fontWithName("Verdana", 10);
  notes->cellTemplate->textContainerInset = UIEdgeInsetsMake(4, 0, 4, 0);
  grid.Columns = {item, quantity, price, express, discount, notes};
}

template <class Cell>
Cell& cellOf(const UIDataGrid& grid, std::size_t column, std::size_t row) {
  return dynamic_cast<Cell&>(*grid.Columns[column]->Cells->at(row));
}

// What a person does on the sheet once it is shown.
void editAsAUser(const UIDataGrid& grid) {
  UITextField& quantity = *cellOf<DataGridTextFieldCell>(grid, 1, 0).textField;
  quantity.typeText("1200");
  quantity.endEditing();
  UITextField& price = *cellOf<DataGridTextFieldCell>(grid, 2, 1).textField;
  price.replaceAllText("18.5");  // pasted in one go
  price.endEditing();
  cellOf<DataGridSwitchCell>(grid, 3, 2).Switch->tap();
  cellOf<DataGridSliderCell>(grid, 4, 0).slider->dragToValue(15);
  UITextView& note = *cellOf<DataGridTextViewCell>(grid, 5, 2).textView;
  note.typeText("Two tins");
  note.endEditing();
}

std::string listed(const Value& records) {
  std::string text;
  for (const Value& record : records.array())
    text += record.description() + "\n";
  return text;
}

void build(gallery::GalleryOutput& output) {
  // The sheet is shown in American English whatever the machine's locale, so that the picture is the same
  // everywhere.
  const std::string machineLocale = NSLocale::currentLocaleIdentifier();
  NSLocale::setCurrentLocaleIdentifier("en_US");
  const auto grid = makeGrid();
  addColumns(*grid);
  grid->DataSource = orderRecords();
  grid->DataBind();
  const std::string before = listed(grid->DataSource);
  editAsAUser(*grid);
  output.renderView(*grid, "grid-editing.png");
  output.writeText("grid-editing-records.txt", "Records as bound:\n" + before +
                                                   "\nRecords after the edits:\n" + listed(grid->DataSource));
  NSLocale::setCurrentLocaleIdentifier(machineLocale);
}

gallery::GalleryPage page("grid-editing", &build);

}  // namespace
