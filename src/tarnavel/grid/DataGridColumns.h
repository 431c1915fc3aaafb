#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/grid/DataGridCells.h"
#include "tarnavel/grid/DataGridEnums.h"
#include "tarnavel/grid/DataGridMarkers.h"
#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

// The columns of a grid, one class per kind of cell control. A column is a view: a bind gives it the frame
// of its header slot. Its own backgroundColor is the background of its cells. Each kind's `cellTemplate`
// is a control of the kind whose settings a bind copies onto every cell's control; a template colour or
// font left at its marker (DataGridMarkers.h) leaves the column's or the grid's in place.

/// The properties every column kind has. A host may derive a column of its own from this class: it gets a
/// title and a width in the header, and no cells.
class DataGridColumn : public UIView {
 public:
  /// The record field this column shows; below 0, or beyond a record's fields, that record has no cell here.
  NSInteger dataFieldIndex = -1;
  DataGridAutoSizeType AutoSizeType = DataGridAutoSizeTypeNone;
  /// The cells of the last bind (null before the first); for the host, the grid never reads it.
  std::shared_ptr<DataGridCellList> Cells;
  /// Cell text colour; a bind replaces the marker with the grid's foregroundColor.
  std::shared_ptr<UIColor> textColor = kDataGridUnsetColor();
  /// Cell font; a bind replaces null with the grid's datagridFont.
  std::shared_ptr<UIFont> font;
  std::shared_ptr<UIColor> HeaderBackgroundColor = kDataGridUnsetColor();
  std::shared_ptr<UIColor> HeaderForegroundColor = kDataGridUnsetColor();
  /// Title font, also used to measure the title; null takes the grid's.
  std::shared_ptr<UIFont> HeaderFont;
  std::shared_ptr<UIColor> HeaderBorderColor = kDataGridUnsetColor();
  /// 0 takes the grid's.
  CGFloat HeaderBorderWidth = 0;
  /// The title label, reused by every bind.
  std::shared_ptr<UILabel> header;
  std::optional<std::string> Title = "Untitled";
  /// Width in points; a bind writes back the width it used.
  CGFloat Width = 70;
  /// Cell layer border colour; the marker takes the grid's cellBorderColor.
  std::shared_ptr<UIColor> borderColor = kDataGridUnsetColor();
  /// Cell layer border width; 0 takes the grid's cellBorderWidth.
  CGFloat borderWidth = 0;
  /// Size of the control inside its cell; a zero width or height fills the cell.
  CGSize cellSize{0, 0};
  DataGridCellLayoutPosition cellLayoutPosition = DataGridCellLayoutPositionCenter;
  /// Explicit offsets of the control in its cell; both 0 places it by cellLayoutPosition.
  CGFloat cellLayoutPositionX = 0;
  CGFloat cellLayoutPositionY = 0;

 protected:
  /// What the defaults do with the column's own background: most kinds mark it unset (a bind then gives it
  /// the grid's background); the date-picker and picker kinds leave what the view initialiser set, which
  /// is null, or the background an archive held.
  enum class OwnBackground { Unset, AsInitialised };

  explicit DataGridColumn(CGRect frame, OwnBackground background = OwnBackground::Unset);
  explicit DataGridColumn(const NSCoder& coder, OwnBackground background = OwnBackground::Unset);

 private:
  void baseInit(OwnBackground background);
};

/// The settings the text-field and text-view columns put on their controls.
class DataGridTextEntryOptions {
 public:
  /// True adds the cell-tap recognizer to these cells (the other kinds always get one).
  bool recognizeCellTapped = false;
  NSInteger autocapitalizationType = 0;
  NSInteger keyboardType = 1;   // ASCII capable
  NSInteger returnKeyType = 9;  // done
  /// Becomes the control's textAlignment (4: natural).
  NSInteger TextAlignment = 4;

 protected:
  ~DataGridTextEntryOptions() = default;
};

class DataGridLabelColumn : public DataGridColumn {
 public:
  explicit DataGridLabelColumn(CGRect frame = CGRectZero);
  explicit DataGridLabelColumn(const NSCoder& coder);

  std::shared_ptr<UILabel> cellTemplate;

 private:
  void baseInit();
};

class DataGridTextFieldColumn : public DataGridColumn, public DataGridTextEntryOptions {
 public:
  explicit DataGridTextFieldColumn(CGRect frame = CGRectZero);
  explicit DataGridTextFieldColumn(const NSCoder& coder);

  std::shared_ptr<UITextField> cellTemplate;
  NSInteger borderStyle = 0;
  NSInteger clearButtonMode = 0;
  NSInteger contentVerticalAlignment = 0;
  NSInteger contentHorizontalAlignment = 3;  // fill
  std::optional<std::string> placeholder = "";
  /// The NSNumberFormatterStyle the field shows a complete entry in (when editing ends, or when the whole
  /// text is replaced at once, never keystroke by keystroke); the record keeps the text as typed. 0 leaves
  /// the field's text as typed.
  NSUInteger numberFormatterStyle = 0;
  /// The kind of number the entry is read as before it is styled.
  DataGridNumberType numberWithType = DataGridNumberTypeInt;

 private:
  void baseInit();
};

class DataGridTextViewColumn : public DataGridColumn, public DataGridTextEntryOptions {
 public:
  explicit DataGridTextViewColumn(CGRect frame = CGRectZero);
  explicit DataGridTextViewColumn(const NSCoder& coder);

  std::shared_ptr<UITextView> cellTemplate;

 private:
  void baseInit();
};

class DataGridButtonColumn : public DataGridColumn {
 public:
  explicit DataGridButtonColumn(CGRect frame = CGRectZero);
  explicit DataGridButtonColumn(const NSCoder& coder);

  std::shared_ptr<UIButton> cellTemplate;

 private:
  void baseInit();
};

/// Shows the image that each record's field names.
class DataGridImageColumn : public DataGridColumn {
 public:
  explicit DataGridImageColumn(CGRect frame = CGRectZero);
  explicit DataGridImageColumn(const NSCoder& coder);

  std::shared_ptr<UIImageView> cellTemplate;

 private:
  void baseInit();
};

class DataGridSwitchColumn : public DataGridColumn {
 public:
  explicit DataGridSwitchColumn(CGRect frame = CGRectZero);
  explicit DataGridSwitchColumn(const NSCoder& coder);

  std::shared_ptr<UISwitch> cellTemplate;
  std::shared_ptr<UIColor> onTintColor = kDataGridUnsetColor();

 private:
  void baseInit();
};

class DataGridSliderColumn : public DataGridColumn {
 public:
  explicit DataGridSliderColumn(CGRect frame = CGRectZero);
  explicit DataGridSliderColumn(const NSCoder& coder);

  std::shared_ptr<UISlider> cellTemplate;
  float minimumValue = 0;
  float maximumValue = 100;

 private:
  void baseInit();
};

class DataGridDatePickerColumn : public DataGridColumn {
 public:
  explicit DataGridDatePickerColumn(CGRect frame = CGRectZero);
  explicit DataGridDatePickerColumn(const NSCoder& coder);

  std::shared_ptr<UIDatePicker> cellTemplate;
  /// Parses the field and writes picked dates back.
  std::optional<std::string> dateFormat = "MM/dd/yyyy";
  UIDatePickerMode datePickerMode = UIDatePickerModeDate;
  DataGridPickerFrameColor pickerFrameColor = DataGridPickerFrameColorBlue;

 private:
  void baseInit();
};

class DataGridPickerColumn : public DataGridColumn {
 public:
  explicit DataGridPickerColumn(CGRect frame = CGRectZero);
  explicit DataGridPickerColumn(const NSCoder& coder);

  std::shared_ptr<UIPickerView> cellTemplate;
  /// The picker's row texts: an array, or null.
  Value pickerDataSource;
  DataGridPickerFrameColor pickerFrameColor = DataGridPickerFrameColorBlue;
  /// Prototype of the picker's row labels.
  std::shared_ptr<UILabel> cellLabelTemplate;
  /// Height of a picker row; 0 is half the grid's RowHeight.
  CGFloat pickerRowHeight = 0;

 private:
  void baseInit();
};

}  // namespace tarnavel
