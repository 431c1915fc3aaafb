#pragma once

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/grid/internal/Carriers.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"

namespace tarnavel {

/// The row and column a bound sender carries.
struct CarriedPosition {
  int row;
  int column;
};

/// Reads the row from the sender's accessibilityHint and the column from its accessibilityLabel.
inline CarriedPosition carriedPosition(const UIView& sender) {
  return {carrierNumber(sender.accessibilityHint()), carrierNumber(sender.accessibilityLabel())};
}
inline CarriedPosition carriedPosition(const UIGestureRecognizer& sender) {
  return {carrierNumber(sender.accessibilityHint), carrierNumber(sender.accessibilityLabel)};
}

/// Hands the grid's current delegate, if any, to `call`; a platform exception raised there ends the call.
template <class Call>
void tellDelegate(UIDataGrid& grid, Call&& call) {
  // The host's failure ends this handler and nothing else.
  const ExceptionRecordScope scope(grid.exceptionRecord());
  runProtected([&] {
    if (const auto delegate = grid.delegate()) call(*delegate);
  });
}

}  // namespace tarnavel
