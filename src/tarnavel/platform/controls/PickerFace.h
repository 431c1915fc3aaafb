#pragma once

#include <string>
#include <vector>

#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// The rows a picker face shows in one wheel, top to bottom, the selected one in the middle.
inline constexpr int kPickerVisibleRows = 5;

/// One wheel of a picker face: where it starts and ends, as fractions of the face's width, and the texts
/// of its visible rows (empty rows are left blank).
struct PickerWheel {
  CGFloat start = 0;
  CGFloat end = 1;
  std::vector<std::string> rows;
  NSTextAlignment alignment = NSTextAlignment::Center;
};

/// The look the two pickers share: a rounded face with row lines, a selection band across the middle, and
/// `wheels` equal, empty wheels side by side.
void drawPickerFace(CGContext& context, CGRect box, int wheels);
/// The same face with the given wheels and their row texts; the selected row is drawn darker.
void drawPickerFace(CGContext& context, CGRect box, const std::vector<PickerWheel>& wheels);
/// A face of `wheels` equal, empty wheels whose band and row lines lie `rowHeight` apart, centred on the
/// middle of the box (a picker drawing row views of that height over it).
void drawPickerFace(CGContext& context, CGRect box, int wheels, CGFloat rowHeight);

}  // namespace tarnavel
