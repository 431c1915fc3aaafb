#include "tarnavel/platform/foundation/SwallowedExceptions.h"

#include <mutex>
#include <utility>

namespace tarnavel {

namespace {

thread_local ExceptionRecord* currentRecord = nullptr;

std::mutex handlerMutex;
SwallowedExceptionHandler& handlerSlot() {
  static SwallowedExceptionHandler handler;
  return handler;
}

}  // namespace

ExceptionRecordScope::ExceptionRecordScope(ExceptionRecord& record) noexcept : previous_(currentRecord) {
  currentRecord = &record;
}

ExceptionRecordScope::~ExceptionRecordScope() {
  currentRecord = previous_;
}

void setSwallowedExceptionHandler(SwallowedExceptionHandler handler) {
  const std::lock_guard lock(handlerMutex);
  handlerSlot() = std::move(handler);
}

void noteSwallowedException(const NSException& exception) {
  if (currentRecord) currentRecord->keep(exception);
  SwallowedExceptionHandler handler;
  {
    // A copy, so that a handler may replace itself without deadlocking.
    const std::lock_guard lock(handlerMutex);
    handler = handlerSlot();
  }
  if (handler) handler(exception);
}

}  // namespace tarnavel
