#pragma once

#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// The look the two pickers share: a rounded face with row lines (five rows fill the box), a selection band
/// across the middle, and `wheels` equal wheels side by side.
void drawPickerFace(CGContext& context, CGRect box, int wheels);
/// The same face with the band and the row lines `rowHeight` apart, centred on the middle of the box.
void drawPickerFace(CGContext& context, CGRect box, int wheels, CGFloat rowHeight);

}  // namespace tarnavel
