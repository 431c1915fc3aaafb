// Taps on titles and cells reach the delegate with what the bind left on the recognizer.
#include "tarnavel/grid/internal/DelegateCalls.h"

namespace tarnavel {

void UIDataGrid::tappedTitle(UIGestureRecognizer& sender) {
  const int column = carrierNumber(sender.accessibilityHint);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridColumnTitleTapped(*this, column, sender.accessibilityValue);
  });
}

void UIDataGrid::tappedCell(UIGestureRecognizer& sender) {
  const CarriedPosition at = carriedPosition(sender);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridCellTapped(*this, at.row, at.column, sender.accessibilityValue);
  });
}

}  // namespace tarnavel
