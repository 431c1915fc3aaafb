#pragma once

#include <pthread.h>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

// Lets GoogleTest show a Value in failure messages.
inline void PrintTo(const Value& value, std::ostream* out) {
  *out << value.description();
}

}  // namespace tarnavel

namespace xmltest {

inline tarnavel::Value dict(
    std::initializer_list<std::pair<const std::string, tarnavel::Value>> entries = {}) {
  return tarnavel::Value::newDictionary(entries);
}

inline tarnavel::Value list(std::initializer_list<tarnavel::Value> items) {
  return tarnavel::Value::newArray(items);
}

// Runs `work` to completion on a new thread whose stack is `stackBytes` large, as a worker thread of a host
// application might have. Returns false when the thread could not be started.
inline bool runOnStack(std::size_t stackBytes, const std::function<void()>& work) {
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  pthread_attr_setstacksize(&attributes, stackBytes);
  pthread_t thread;
  auto body = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  const bool started =
      pthread_create(&thread, &attributes, body, const_cast<std::function<void()>*>(&work)) == 0;
  pthread_attr_destroy(&attributes);
  if (started) pthread_join(thread, nullptr);
  return started;
}

}  // namespace xmltest
