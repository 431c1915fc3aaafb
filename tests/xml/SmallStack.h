#pragma once

#include <pthread.h>

#include <cstddef>
#include <functional>

namespace xmltest {

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
