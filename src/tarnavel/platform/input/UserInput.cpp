#include "tarnavel/platform/input/UserInput.h"

#include <memory>
#include <vector>

#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

namespace {

std::vector<std::shared_ptr<UIGestureRecognizer>> matchingTapRecognizers(const UIView& view, unsigned taps) {
  std::vector<std::shared_ptr<UIGestureRecognizer>> matching;
  for (const auto& recognizer : view.gestureRecognizers()) {
    const auto* tap = dynamic_cast<const UITapGestureRecognizer*>(recognizer.get());
    if (tap && tap->enabled && tap->numberOfTapsRequired == taps) matching.push_back(recognizer);
  }
  return matching;
}

}  // namespace

int tapAt(UIView& root, CGPoint point, unsigned taps) {
  int fired = 0;
  runProtected([&] {
    UIView* hit = root.hitTest(point);
    for (UIView* view = hit; view; view = view == &root ? nullptr : view->superview()) {
      // Held here, so that an action that rebuilds the tree cannot free a recognizer while it fires.
      const auto recognizers = matchingTapRecognizers(*view, taps);
      if (recognizers.empty()) continue;
      for (const auto& recognizer : recognizers) {
        ++fired;
        recognizer->fire();
      }
      return;
    }
  });
  return fired;
}

}  // namespace tarnavel
