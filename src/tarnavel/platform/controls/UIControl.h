#pragma once

#include <memory>
#include <string>

#include "tarnavel/platform/input/TargetAction.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// Control events, as bits of a mask.
using UIControlEvents = NSUInteger;
inline constexpr UIControlEvents UIControlEventTouchUpInside = 1 << 6;
inline constexpr UIControlEvents UIControlEventValueChanged = 1 << 12;
inline constexpr UIControlEvents UIControlEventEditingDidBegin = 1 << 16;
inline constexpr UIControlEvents UIControlEventEditingChanged = 1 << 17;
inline constexpr UIControlEvents UIControlEventEditingDidEnd = 1 << 18;
inline constexpr UIControlEvents UIControlEventAllEvents = 0xFFFFFFFF;

/// Control states; 0 is the normal state.
using UIControlState = NSUInteger;
inline constexpr UIControlState UIControlStateNormal = 0;
inline constexpr UIControlState UIControlStateHighlighted = 1 << 0;
inline constexpr UIControlState UIControlStateDisabled = 1 << 1;
inline constexpr UIControlState UIControlStateSelected = 1 << 2;

/// A view that sends actions to targets for control events. Setting a value from code sends nothing; the
/// user entry points of each control send exactly the events a person's action would. A platform exception
/// raised by what a user entry point sets off ends that gesture there and is kept as a swallowed exception
/// (SwallowedExceptions.h); it never reaches the caller.
class UIControl : public UIView {
 public:
  using UIView::UIView;

  /// Adds an action for `events`; the target is held weakly. `method` takes the sender as a reference to
  /// UIControl or to the control's own class.
  template <class Target, class Arg>
  void addTarget(const std::shared_ptr<Target>& target, std::string action, void (Target::*method)(Arg&),
                 UIControlEvents events) {
    actions_.add(target, std::move(action), method, events);
  }
  void removeTarget(const void* target, std::string_view action, UIControlEvents events) {
    actions_.remove(target, action, events);
  }
  /// Sends the actions registered for any of `events`, in the order they were added.
  void sendActionsForControlEvents(UIControlEvents events) { actions_.send(*this, events); }
  const TargetActionList<UIControl>& actions() const { return actions_; }

  bool enabled = true;
  bool selected = false;
  bool highlighted = false;
  NSInteger contentVerticalAlignment = 0;
  NSInteger contentHorizontalAlignment = 0;

 private:
  TargetActionList<UIControl> actions_;
};

}  // namespace tarnavel
