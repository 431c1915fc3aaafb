#pragma once

#include "tarnavel/platform/geometry/CGPath.h"

namespace tarnavel {

/// The part of `path` between the fractions `start` and `end` of its length, as straight pieces (curves are
/// flattened first). Each run of the kept part starts a subpath of its own; an empty path when start >= end.
CGPath trimPath(const CGPath& path, CGFloat start, CGFloat end);

}  // namespace tarnavel
