#pragma once

#include <cstddef>
#include <exception>
#include <string>

namespace tarnavel {

/// The toolkit's exception: a name and a reason. The platform raises it where the toolkit would (an index
/// out of range, a value of the wrong kind, a geometry that is not a number); the controls catch this class
/// and no other.
class NSException : public std::exception {
 public:
  NSException(std::string name, std::string reason);

  const std::string& name() const noexcept { return name_; }
  const std::string& reason() const noexcept { return reason_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string name_;
  std::string reason_;
  std::string what_;
};

inline constexpr const char* NSRangeException = "NSRangeException";
inline constexpr const char* NSInvalidArgumentException = "NSInvalidArgumentException";
inline constexpr const char* NSGenericException = "NSGenericException";
inline constexpr const char* CALayerInvalidGeometry = "CALayerInvalidGeometry";

[[noreturn]] void raiseException(const char* name, std::string reason);

/// Keeps `exception` in the innermost open ExceptionRecordScope of this thread and hands it to the
/// process-wide handler, if any (SwallowedExceptions.h).
void noteSwallowedException(const NSException& exception);

/// Runs `step` as one protected region: an NSException raised inside ends the step silently at that point,
/// keeping whatever it did before; any other exception passes on to the caller. The controls protect their
/// binding, drawing and event steps with it, and the platform each gesture of a user entry point.
template <class Step>
void runProtected(Step&& step) {
  try {
    step();
  } catch (const NSException& exception) {
    // A failed step returns nothing to its caller, which goes on with its next step; the reason is kept.
    noteSwallowedException(exception);
  }
}

/// Returns `index` when it lies in [0, count); raises NSRangeException otherwise.
std::size_t checkedIndex(long long index, std::size_t count);

}  // namespace tarnavel
