#pragma once

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// How a bind sets a column's width. Any value other than Title and Content acts as None.
enum DataGridAutoSizeType : NSUInteger {
  DataGridAutoSizeTypeNone = 0,     // the column's Width (subject to the grid's ColumnsWidth)
  DataGridAutoSizeTypeTitle = 1,    // the title's measured width
  DataGridAutoSizeTypeContent = 2,  // the widest measured content over all records
};

/// Where a control of the column's cellSize sits inside its cell.
enum DataGridCellLayoutPosition : NSUInteger {
  DataGridCellLayoutPositionCenter = 0,
  DataGridCellLayoutPositionTopLeft = 1,
  DataGridCellLayoutPositionTopCenter = 2,
  DataGridCellLayoutPositionTopRight = 3,
  DataGridCellLayoutPositionMiddleLeft = 4,
  DataGridCellLayoutPositionBottomLeft = 5,
  DataGridCellLayoutPositionBottomCenter = 6,
  DataGridCellLayoutPositionBottomRight = 7,
  DataGridCellLayoutPositionMiddleRight = 8,
};

/// The kind of number a text-field column builds from typed text before formatting it. Values above 14
/// leave the text as typed.
enum DataGridNumberType : NSUInteger {
  DataGridNumberTypeBool = 0,
  DataGridNumberTypeChar = 1,
  DataGridNumberTypeDouble = 2,
  DataGridNumberTypeFloat = 3,
  DataGridNumberTypeInt = 4,
  DataGridNumberTypeInteger = 5,
  DataGridNumberTypeLong = 6,
  DataGridNumberTypeLongLong = 7,
  DataGridNumberTypeShort = 8,
  DataGridNumberTypeUnsignedChar = 9,
  DataGridNumberTypeUnsignedInt = 10,
  DataGridNumberTypeUnsignedInteger = 11,
  DataGridNumberTypeUnsignedLong = 12,
  DataGridNumberTypeUnsignedLongLong = 13,
  DataGridNumberTypeUnsignedShort = 14,
};

/// The pair of images laid over a picker cell. Any value not listed acts as Blue.
enum DataGridPickerFrameColor : NSUInteger {
  DataGridPickerFrameColorBlack = 0,
  DataGridPickerFrameColorWhite = 1,
  DataGridPickerFrameColorBlue = 2,
  DataGridPickerFrameColorRed = 3,
  DataGridPickerFrameColorGreen = 4,
  DataGridPickerFrameColorBrown = 5,
  DataGridPickerFrameColorYellow = 6,
};

}  // namespace tarnavel
