#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "tarnavel/grid/DataGridBindingState.h"
#include "tarnavel/grid/UIDataGrid.h"

namespace tarnavel {

/// One run of DataBind over a grid and its binding state. Each step lives in the file named for it; a
/// platform exception raised by any step passes out of bind() to DataBind.
class DataGridBinder {
 public:
  DataGridBinder(UIDataGrid& grid, DataGridBindingState& state);

  void bind();

 private:
  // DataGridBinder.cpp: the steps around the header and row passes.
  void makeScrollArea();
  void resetCellLists();
  void handOverCells();
  void fitContent(CGFloat contentWidth);
  /// A border strip: a plain view, coloured unless `color` is the unset marker.
  static std::shared_ptr<UIView> makeStrip(CGRect frame, const std::shared_ptr<UIColor>& color);

  // HeaderBinding.cpp
  void bindHeader();
  CGFloat bindHeaderColumn(DataGridColumn& column, std::size_t index, CGFloat x);
  void bindTitleLabel(DataGridColumn& column, std::size_t index, const std::shared_ptr<UIFont>& titleFont);
  void replaceTitleRecognizer(UILabel& label, std::size_t index);

  // ContentMeasurement.cpp
  /// The widest content of the column over the records that have its field, raising RowHeight to the
  /// tallest; nothing for a column of no known kind.
  std::optional<CGFloat> measureContentWidth(DataGridColumn& column);

  UIDataGrid& grid_;
  DataGridBindingState& state_;
  std::shared_ptr<UIDataGrid> self_;
};

/// True when a record of `fieldCount` fields has the field at `fieldIndex`.
inline bool recordHasField(NSInteger fieldIndex, std::size_t fieldCount) {
  return fieldIndex >= 0 && static_cast<std::size_t>(fieldIndex) < fieldCount;
}
/// The text a field shows: a string as it is, null as no text, any other value as its description.
std::optional<std::string> fieldText(const Value& value);

}  // namespace tarnavel
