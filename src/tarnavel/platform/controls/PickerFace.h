#pragma once

#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

/// The look the two pickers share: a rounded face with row lines, a selection band across the middle, and
/// `wheels` equal wheels side by side.
void drawPickerFace(CGContext& context, CGRect box, int wheels);

}  // namespace tarnavel
