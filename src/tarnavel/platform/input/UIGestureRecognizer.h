#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/input/TargetAction.h"

namespace tarnavel {

class UIView;

/// A gesture recognizer with target-action. The accessibility carriers are plain stores that the controls
/// use to tell one recognizer's cell or column from another's.
class UIGestureRecognizer {
 public:
  UIGestureRecognizer() = default;
  /// initWithTarget:action:
  template <class Target, class Arg>
  UIGestureRecognizer(const std::shared_ptr<Target>& target, std::string action,
                      void (Target::*method)(Arg&)) {
    addTarget(target, std::move(action), method);
  }
  virtual ~UIGestureRecognizer() = default;

  template <class Target, class Arg>
  void addTarget(const std::shared_ptr<Target>& target, std::string action, void (Target::*method)(Arg&)) {
    actions_.add(target, std::move(action), method, kAllEvents);
  }
  void removeTarget(const void* target, std::string_view action) {
    actions_.remove(target, action, kAllEvents);
  }
  /// True when `target` (still alive) receives `action` from this recognizer.
  bool hasTarget(const void* target, std::string_view action) const {
    return actions_.contains(target, action);
  }

  /// The view the recognizer is attached to, or null.
  UIView* view() const { return view_; }
  /// Sends the actions, as when the gesture is recognised.
  void fire() { actions_.send(*this, kAllEvents); }

  bool enabled = true;
  std::optional<std::string> accessibilityHint;
  std::optional<std::string> accessibilityLabel;
  Value accessibilityValue;

 private:
  friend class UIView;
  static constexpr NSUInteger kAllEvents = ~NSUInteger{0};
  TargetActionList<UIGestureRecognizer> actions_;
  UIView* view_ = nullptr;
};

/// A recognizer of one or more taps.
class UITapGestureRecognizer : public UIGestureRecognizer {
 public:
  using UIGestureRecognizer::UIGestureRecognizer;

  NSUInteger numberOfTapsRequired = 1;
  NSUInteger numberOfTouchesRequired = 1;
};

}  // namespace tarnavel
