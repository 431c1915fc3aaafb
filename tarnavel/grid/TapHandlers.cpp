// Taps on titles and cells reach the delegate with what the bind left on the recognizer.
#include "tarnavel/grid/DelegateCalls.h"

namespace tarnavel {

void UIDataGrid::tappedTitle(UIGestureRecognizer& sender) {
  const int column = carrierNumber(sender.accessibilityHint);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridColumnTitleTapped(*this, column, sender.accessibilityValue);
  });
}

}  // namespace tarnavel
