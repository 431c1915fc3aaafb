#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tarnavel/platform/foundation/SwallowedExceptions.h"

namespace tarnavel {
namespace {

void failingStep() {
  raiseException(NSRangeException, "index 3 beyond bounds [0 .. 1]");
}

TEST(SwallowedExceptions, TheInnermostScopeKeepsTheLastReasonAndNoScopeKeepsNothing) {
  ExceptionRecord outer;
  ExceptionRecord inner;
  runProtected(failingStep);  // outside any scope: nowhere to keep it, and nothing breaks
  {
    const ExceptionRecordScope outerScope(outer);
    {
      const ExceptionRecordScope innerScope(inner);
      runProtected(failingStep);
      runProtected([] { raiseException(NSGenericException, "second"); });
    }
    EXPECT_FALSE(outer.last()) << "the inner scope took it";
    runProtected(failingStep);
  }
  ASSERT_TRUE(inner.last());
  EXPECT_EQ(inner.last()->reason(), "second") << "the last one is kept";
  ASSERT_TRUE(outer.last());
  EXPECT_EQ(outer.last()->name(), NSRangeException);
  runProtected([] {});
  EXPECT_TRUE(outer.last()) << "a step that succeeds does not clear the record";
}

TEST(SwallowedExceptions, TheProcessHandlerHearsEachOneUntilRemovedAndOtherExceptionsPassOn) {
  std::vector<std::string> heard;
  setSwallowedExceptionHandler([&](const NSException& e) { heard.push_back(e.reason()); });
  runProtected(failingStep);
  runProtected([] { raiseException(NSGenericException, "again"); });
  EXPECT_THROW(runProtected([] { throw std::runtime_error("not ours"); }), std::runtime_error);
  setSwallowedExceptionHandler(nullptr);
  runProtected(failingStep);
  EXPECT_EQ(heard, (std::vector<std::string>{"index 3 beyond bounds [0 .. 1]", "again"}));
}

}  // namespace
}  // namespace tarnavel
