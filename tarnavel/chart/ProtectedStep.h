#pragma once

#include "tarnavel/platform/NSException.h"

namespace tarnavel {

/// Runs `step` as one protected region: an NSException raised inside ends the step silently at that point,
/// keeping whatever it did before; any other exception passes on to the caller.
template <class Step>
void runProtected(Step&& step) {
  try {
    step();
  } catch (const NSException&) {
    // A failed step reports nothing; the caller goes on with its next step.
  }
}

}  // namespace tarnavel
