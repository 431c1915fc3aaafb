// Trimming by the whitespace-and-newline set, on UTF-8 text that may be malformed.
#include "tarnavel/platform/foundation/NSCharacterSet.h"

#include <gtest/gtest.h>

namespace {

using tarnavel::trimWhitespaceAndNewlines;

TEST(NSCharacterSet, TrimsTheWhitespaceAndNewlineSetFromBothEnds) {
  const struct {
    std::string_view text;
    std::string_view trimmed;
  } cases[] = {
      {"", ""},
      {" \t\n\v\f\r ", ""},
      {" \t a  b \r\n", "a  b"},
      // No-break space, ogham mark, en quad, hair space, narrow no-break, medium math, ideographic, next
      // line.
      {"\xC2\xA0\xE1\x9A\x80\xE2\x80\x80\xE2\x80\x8Ax y\xE2\x80\xAF\xE2\x81\x9F\xE3\x80\x80\xC2\x85", "x y"},
      // Line and paragraph separators are; zero-width space and byte-order mark are not.
      {"\xE2\x80\xA8\xE2\x80\xA9x\xE2\x80\xA9\xE2\x80\xA8", "x"},
      {"\xE2\x80\x8Bx\xEF\xBB\xBF", "\xE2\x80\x8Bx\xEF\xBB\xBF"},
      {"\xC3\xA9 \xC3\xA9", "\xC3\xA9 \xC3\xA9"},
      // Malformed UTF-8 stops trimming where it stands and is never read past the end.
      {" \xE3\x80", "\xE3\x80"},
      {"\x80\x80 ", "\x80\x80"},
      {"\xC0\xA0x", "\xC0\xA0x"},
      {"x\xE0\x80\xA0", "x\xE0\x80\xA0"},
      {"\xC2", "\xC2"},
      {" \x80\xE3\x80\x80", "\x80"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(trimWhitespaceAndNewlines(c.text), c.trimmed);
}

}  // namespace
