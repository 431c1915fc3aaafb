#pragma once

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

class UIView;

/// Taps `root` at `point` (in root's bounds coordinates) as a person would: the tap lands on the deepest
/// visible, interactive view there, and the enabled tap recognizers of that view fire, or, when it has none,
/// those of its nearest ancestor that has any. Returns the number of recognizers that fired. A platform
/// exception raised by an action ends the tap there and is kept as a swallowed exception
/// (SwallowedExceptions.h); it never reaches the caller.
int tapAt(UIView& root, CGPoint point, unsigned taps = 1);

}  // namespace tarnavel
