#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel::testing {

using Columns = std::vector<std::shared_ptr<DataGridColumn>>;
using Colors = std::vector<std::shared_ptr<UIColor>>;

/// Records as the host gives them: an array of arrays of texts.
inline Value makeRecords(std::initializer_list<std::vector<std::string>> rows) {
  Value records = Value::newArray();
  for (const auto& row : rows) {
    Value record = Value::newArray();
    for (const auto& field : row)
      record.append(Value(field));
    records.append(record);
  }
  return records;
}

/// A column of kind `Column` showing field `field`, `width` wide.
template <class Column>
std::shared_ptr<Column> columnOf(NSInteger field, CGFloat width = 70) {
  auto column = std::make_shared<Column>();
  column->dataFieldIndex = field;
  column->Width = width;
  return column;
}

/// A label column showing field `field` under `title`, `width` wide.
inline std::shared_ptr<DataGridLabelColumn> labelColumn(const std::string& title, NSInteger field,
                                                        CGFloat width = 70) {
  auto column = columnOf<DataGridLabelColumn>(field, width);
  column->Title = title;
  return column;
}

inline std::shared_ptr<UIDataGrid> makeGrid(CGFloat width = 300, CGFloat height = 200) {
  return std::make_shared<UIDataGrid>(CGRectMake(0, 0, width, height));
}

/// Gives the grid its columns and records and binds it.
inline void bind(UIDataGrid& grid, Columns columns, Value records) {
  grid.Columns = std::move(columns);
  grid.DataSource = std::move(records);
  grid.DataBind();
}

template <class View>
std::vector<std::shared_ptr<View>> subviewsOfKind(const UIView& parent) {
  std::vector<std::shared_ptr<View>> found;
  for (const auto& child : parent.subviews()) {
    if (auto typed = std::dynamic_pointer_cast<View>(child)) found.push_back(typed);
  }
  return found;
}

/// The scroll view of the last bind, or null when the grid shows none.
inline std::shared_ptr<UIScrollView> scrollViewOf(const UIDataGrid& grid) {
  const auto scrolls = subviewsOfKind<UIScrollView>(grid);
  return scrolls.empty() ? nullptr : scrolls.front();
}

/// The cell of `row` among the column's cells of the last bind, as its kind.
template <class Cell>
std::shared_ptr<Cell> cellAt(const DataGridColumn& column, std::size_t row) {
  if (!column.Cells || row >= column.Cells->size()) return nullptr;
  return std::dynamic_pointer_cast<Cell>((*column.Cells)[row]);
}

/// The background of each of the column's cells and of the control it shows, row by row.
inline Colors backgroundsOf(const DataGridColumn& column) {
  Colors found;
  for (const auto& cell : *column.Cells)
    found.insert(found.end(), {cell->backgroundColor(), cell->subviews().front()->backgroundColor()});
  return found;
}

/// The frames of the plain views (border strips) in the scroll view, in the order they were added.
inline std::vector<CGRect> stripFramesIn(const UIScrollView& scroll) {
  std::vector<CGRect> frames;
  for (const auto& child : scroll.subviews()) {
    if (!dynamic_cast<DataGridCell*>(child.get()) && child->subviews().empty())
      frames.push_back(child->frame());
  }
  return frames;
}

/// Host images of one colour, registered by name for as long as it lives.
struct HostImages {
  explicit HostImages(std::initializer_list<std::pair<std::string, CGSize>> images) {
    for (const auto& [name, size] : images) {
      const std::size_t pixels = static_cast<std::size_t>(size.width * size.height);
      UIImage::registerImage(
          name, std::make_shared<UIImage>(std::make_shared<CGImage>(
                    int(size.width), int(size.height), std::vector<std::uint32_t>(pixels, 0xff336699u))));
    }
  }
  ~HostImages() { UIImage::resetImageRegistry(); }
};

/// Fixed text metrics for exact layout numbers: 5 points a character, 12 points a line.
inline ScopedTextMeasurer fixedMetrics() {
  return ScopedTextMeasurer(fixedTextMeasurer(5, 12));
}

}  // namespace tarnavel::testing
