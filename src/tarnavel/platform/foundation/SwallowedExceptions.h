#pragma once

#include <functional>
#include <optional>

#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

/// The last platform exception that one control's protected steps swallowed. A control ends a failed step
/// quietly; this is where the host can still learn why.
class ExceptionRecord {
 public:
  const std::optional<NSException>& last() const noexcept { return last_; }
  void keep(const NSException& exception) { last_ = exception; }
  void clear() noexcept { last_.reset(); }

 private:
  std::optional<NSException> last_;
};

/// While alive, the exceptions that protected steps swallow on this thread are kept in `record` (the
/// innermost scope's record when scopes nest). A control opens one around each bind and handler.
class ExceptionRecordScope {
 public:
  explicit ExceptionRecordScope(ExceptionRecord& record) noexcept;
  ~ExceptionRecordScope();
  ExceptionRecordScope(const ExceptionRecordScope&) = delete;
  ExceptionRecordScope& operator=(const ExceptionRecordScope&) = delete;

 private:
  ExceptionRecord* previous_;
};

/// Receives every exception that a protected step swallows, as it happens, on the thread that swallowed it.
/// An empty function (the default) removes the handler; nothing is printed without one. The handler must
/// not throw.
using SwallowedExceptionHandler = std::function<void(const NSException&)>;
void setSwallowedExceptionHandler(SwallowedExceptionHandler handler);

}  // namespace tarnavel
