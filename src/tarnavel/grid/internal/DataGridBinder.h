#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/grid/internal/DataGridBindingState.h"
#include "tarnavel/platform/foundation/NSDate.h"

namespace tarnavel {

/// Where one cell of the row pass goes: the record, its row, the column's position in Columns and the
/// cell's frame in the scroll view.
struct CellSlot {
  const Value& record;  // the row pass's own copy, which outlives every slot
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
  void releaseEarlierViews();
  void makeScrollArea();
  void resetCellLists();
  void handOverCells();
  void fitContent(CGFloat contentWidth);
  /// How far apart rows start: RowHeight plus rowBorderHeight, saturated (like every position and size a
  /// bind sums, so that huge settings give the largest finite length rather than an infinite frame).
  CGFloat rowPitch() const;
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

  // ControlCellBinding.cpp: the date-picker, picker, slider and switch cells.
  void bindDatePickerCell(DataGridDatePickerColumn& column, const CellSlot& slot);
  void bindPickerCell(DataGridPickerColumn& column, const CellSlot& slot);
  void bindSliderCell(DataGridSliderColumn& column, const CellSlot& slot);
  void bindSwitchCell(DataGridSwitchColumn& column, const CellSlot& slot);

  // ControlScaling.cpp
  /// Scales the control to fill its cell, or to the column's cellSize at the column's offsets, and centres
  /// it there; returns the scale it used.
  CGSize scaleAndCentreControl(UIView& control, DataGridColumn& column, const CellSlot& slot) const;

  // CellPattern.cpp: the steps every cell kind shares.
  void applyAlternatingBackground(UIView& cell, UIView& control, const CellSlot& slot) const;
  void applyCellBorder(UIView& cell, const DataGridColumn& column) const;
  /// The slider's and switch's cell border: their column's borderWidth is unset while it holds
  /// kDataGridUnsetSliderBorderWidth, not while it is 0.
  void applySliderStyleCellBorder(UIView& cell, const DataGridColumn& column) const;
  /// Adds the cell and its control to the scroll view and the column's cell list, as they are.
  void addCellAsIs(const std::shared_ptr<DataGridCell>& cell, const std::shared_ptr<UIView>& control,
                   const CellSlot& slot);
  void addCellTapRecognizer(UIView& control, const CellSlot& slot, Value value);
  void finishCell(const std::shared_ptr<DataGridCell>& cell, const std::shared_ptr<UIView>& control,
                  const DataGridColumn& column, const CellSlot& slot);

  UIDataGrid& grid_;
  DataGridBindingState& state_;
  /// The grid as the target and delegate of what the bind makes; null for a grid no shared pointer holds,
  /// which then gets no recognizers, actions or delegates of its own.
  std::shared_ptr<UIDataGrid> self_;
};

/// The number of fields of a record; a record that is not an array (a text, a number, a dictionary) has
/// none, so its row keeps every slot empty instead of failing the bind.
inline std::size_t fieldCountOf(const Value& record) {
  return record.isArray() ? record.count() : 0;
}
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

// ControlValues.cpp: how the control kinds show a field.
/// On for "1", and for "yes" and "true" in any letter case.
bool switchFieldIsOn(const Value& field);
/// The first entry of `entries` equal to `field`; 0 when none is, or when the entries cannot be read.
NSInteger pickerRowOf(const Value& entries, const Value& field);
/// The date a field spells in `dateFormat`, if it spells one.
std::optional<NSDate> dateOfField(const Value& field, const std::optional<std::string>& dateFormat);

// PickerFrameImages.cpp
/// Lays the frame image of `color` over the picker, a control of the cell.
void addPickerFrame(UIView& cell, const UIView& picker, DataGridPickerFrameColor color);
/// Lays the divider images of `color` over the date picker, one per wheel border of its mode; `scale` maps
/// the 320 x 216 reference picker onto the shown one.
void addDatePickerDividers(UIView& cell, const UIDatePicker& picker, DataGridPickerFrameColor color,
                           CGSize scale);

}  // namespace tarnavel
