#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// The target-action list of a control or a gesture recognizer. Targets are held weakly: an action whose
/// target is gone is skipped. Each entry keeps its action's name, so that a caller can find the entries it
/// added ("tappedCell:") among those others added.
template <class Sender>
class TargetActionList {
 public:
  struct Entry {
    std::weak_ptr<void> target;
    const void* targetIdentity;
    std::string action;
    NSUInteger events;
    /// Calls the entry's method on the live target. A plain function and the method's bytes take less room
    /// than a std::function: controls and recognizers are made by the thousand.
    void (*invoke)(const Entry& entry, void* target, Sender& sender);
    alignas(void*) unsigned char method[2 * sizeof(void*)];
  };

  /// `method` may take the sender as `Sender&` or as a class derived from it; a sender of another class
  /// is not passed to such a method.
  template <class Target, class Arg>
  void add(const std::shared_ptr<Target>& target, std::string action, void (Target::*method)(Arg&),
           NSUInteger events) {
    using Method = void (Target::*)(Arg&);
    static_assert(sizeof(Method) <= sizeof(Entry::method) && std::is_trivially_copyable_v<Method>);
    Entry entry{std::weak_ptr<Target>(target),
                target.get(),
                std::move(action),
                events,
                [](const Entry& e, void* live, Sender& sender) {
                  Method called;
                  std::memcpy(&called, e.method, sizeof called);
                  if (auto* argument = dynamic_cast<Arg*>(&sender))
                    (static_cast<Target*>(live)->*called)(*argument);
                },
                {}};
    std::memcpy(entry.method, &method, sizeof method);
    entries_.push_back(std::move(entry));
  }

  /// Removes the entries of `target` (all targets when null) with `action` (any action when empty) for
  /// any of `events`.
  void remove(const void* target, std::string_view action, NSUInteger events) {
    std::erase_if(entries_, [&](Entry& e) {
      if (target && e.targetIdentity != target) return false;
      if (!action.empty() && e.action != action) return false;
      e.events &= ~events;
      return e.events == 0;
    });
  }

  bool contains(const void* target, std::string_view action) const {
    for (const Entry& e : entries_) {
      if (e.targetIdentity == target && e.action == action && !e.target.expired()) return true;
    }
    return false;
  }

  /// Sends every action registered for any of `events`, in the order they were added. The list is copied
  /// first, so an action may change it.
  void send(Sender& sender, NSUInteger events) const {
    const std::vector<Entry> snapshot = entries_;
    for (const Entry& e : snapshot) {
      if (!(e.events & events)) continue;
      if (const auto live = e.target.lock()) e.invoke(e, live.get(), sender);
    }
  }

  const std::vector<Entry>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

 private:
  std::vector<Entry> entries_;
};

}  // namespace tarnavel
