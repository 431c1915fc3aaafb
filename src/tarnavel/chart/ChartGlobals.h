#pragma once

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

// The value range a bind hands to its drawer, shared by every chart of the process. The value scan of each
// bind (and the range step of the stacked drawers) assigns them; the drawer of the same bind reads them.
// Charts bind on the main thread only, so within one bind they describe that chart.

/// The item count of series 0 of the chart bound last.
extern CGFloat itemsCount;
/// The data of the chart bound last are negative only.
extern bool negativeOnly;
/// The value range of the chart bound last spans both signs.
extern bool positiveAndNegative;

static_assert(sizeof(bool) == 1, "the two flags are one-byte values");

}  // namespace tarnavel
