#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "tarnavel/grid/internal/DataGridBindingState.h"
#include "tarnavel/grid/UIDataGrid.h"

namespace tarnavel {

/// Where one cell of the row pass goes: the record, its row, the column's position in Columns and the
/// cell's frame in the scroll view.
struct CellSlot {
  Value record;
  std::size_t row;
  std::size_t column;
  CGRect frame;

  bool isOddRow() const { return row % 2 == 1; }
};

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

  // RowBinding.cpp
  CGFloat bindRows();
  CGFloat bindRecord(std::size_t row);
  bool bindCell(DataGridColumn& column, const CellSlot& slot);

  // TextCellBinding.cpp: the label, image, button, text-field and text-view cells.
  void bindLabelCell(DataGridLabelColumn& column, const CellSlot& slot);
  void bindImageCell(DataGridImageColumn& column, const CellSlot& slot);
  void bindButtonCell(DataGridButtonColumn& column, const CellSlot& slot);
  void bindTextFieldCell(DataGridTextFieldColumn& column, const CellSlot& slot);
  void bindTextViewCell(DataGridTextViewColumn& column, const CellSlot& slot);
  template <class Cell, class Control, class Column>
  void bindTextEntry(Cell& cell, Control& control, const Column& column, const CellSlot& slot);

  // CellPattern.cpp: the steps every cell kind shares.
  void applyAlternatingBackground(UIView& cell, UIView& control, const CellSlot& slot) const;
  void applyCellBorder(UIView& cell, const DataGridColumn& column) const;
  void addCellTapRecognizer(UIView& control, const CellSlot& slot, Value value);
  void finishCell(const std::shared_ptr<DataGridCell>& cell, const std::shared_ptr<UIView>& control,
                  const DataGridColumn& column, const CellSlot& slot);

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
/// A cell's field: record[column.dataFieldIndex] (raises NSRangeException when the record lacks it).
Value fieldValue(const DataGridColumn& column, const CellSlot& slot);
/// The column's background onto the control, unless the cell has a background of its own.
void inheritColumnBackground(const UIView& cell, UIView& control, const DataGridColumn& column);
/// The template layer's corner and border settings that are set, onto the control's layer.
void applyTemplateLayer(const CALayer& templateLayer, CALayer& controlLayer);
/// The row and column carriers on a control.
void setControlCarriers(UIView& control, const CellSlot& slot);

}  // namespace tarnavel
