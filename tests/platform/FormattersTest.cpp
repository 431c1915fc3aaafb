// Numbers, dates and trimmed texts: formatters in a given locale and texts that ignore the process locale.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/foundation/NSCharacterSet.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"

namespace tarnavel {
namespace {

TEST(NumberFormatter, EachStyleInAGivenLocale) {
  struct Case {
    NSUInteger style;
    Value number;
    const char* locale;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {NSNumberFormatterNoStyle, Value(1234.5), "en_US", "1234"},  // half-even, no grouping
      {NSNumberFormatterNoStyle, Value(1235.5), "en_US", "1236"},
      {7, Value(1234.5), "en_US", "1234"},  // not a style: as the plain one
      {NSNumberFormatterDecimalStyle, Value(2.0 / 3), "en_US", "0.667"},
      {NSNumberFormatterDecimalStyle, Value(1234.5), "de_DE", "1.234,5"},
      {NSNumberFormatterCurrencyStyle, Value(1234.5), "en_US", "$1,234.50"},
      {NSNumberFormatterCurrencyStyle, Value(1234.5), "de_DE", "1.234,50\u00a0\u20ac"},
      {NSNumberFormatterPercentStyle, Value(0.25), "en_US", "25%"},
      {NSNumberFormatterScientificStyle, Value(1234.5), "en_US", "1.2345E3"},
      {NSNumberFormatterSpellOutStyle, Value(42), "fr_FR", "quarante-deux"},
      {NSNumberFormatterOrdinalStyle, Value(3), "en_US", "3rd"},
      {NSNumberFormatterCurrencyISOCodeStyle, Value(2), "en_US", "USD\u00a02.00"},
      {NSNumberFormatterCurrencyPluralStyle, Value(2), "en_US", "2.00 US dollars"},
      {NSNumberFormatterCurrencyAccountingStyle, Value(-2), "en_US", "($2.00)"},
      // Every kind of number keeps its exact value: a float its own digits, not the double it widens to.
      {NSNumberFormatterScientificStyle, Value(0.1f), "en_US", "1E-1"},
      {NSNumberFormatterDecimalStyle, Value(std::numeric_limits<unsigned long long>::max()), "en_US",
       "18,446,744,073,709,551,615"},
      {NSNumberFormatterDecimalStyle, Value("12"), "en_US", std::nullopt},  // not a number
  };
  for (const Case& c : cases) {
    NSNumberFormatter formatter;
    formatter.setNumberStyle(c.style);
    formatter.locale = c.locale;
    EXPECT_EQ(formatter.stringFromNumber(c.number), c.expected) << c.style << " " << c.number.description();
  }
}

TEST(DateFormatter, ReadsAndWritesTheSameTextInItsPatternAndNothingElse) {
  // Each pattern with the texts it reads and writes back alike, then those it reads as no date. Far from
  // today too: the first and the last day of four-digit years.
  struct Case {
    const char* pattern;
    std::vector<std::string> read;
    std::vector<std::string> unread;
  };
  const Case cases[] = {
      {"MM/dd/yyyy",
       {"12/25/2024", "02/29/2024", "01/01/0001", "12/31/9999"},
       {"", "soon", "2024-12-25", "13/01/2024", "02/30/2024", "12/25/2024 extra"}},
      {"yyyy-MM-dd HH:mm", {"1999-01-02 23:59"}, {}},
      {"d MMM y", {"7 Mar 2031"}, {}},
      {"HH:mm:ss", {"08:05:09"}, {}},
      {"", {}, {"12/25/2024"}},
  };
  for (const Case& c : cases) {
    NSDateFormatter formatter;
    if (*c.pattern) formatter.setDateFormat(c.pattern);
    for (const std::string& text : c.read) {
      const auto date = formatter.dateFromString(text);
      ASSERT_TRUE(date) << c.pattern << " " << text;
      EXPECT_EQ(formatter.stringFromDate(*date), text);
    }
    for (const std::string& text : c.unread)
      EXPECT_FALSE(formatter.dateFromString(text)) << c.pattern << " " << text;
  }
  EXPECT_EQ(NSDateFormatter().stringFromDate(NSDate()), "") << "no pattern, no text";
}

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

TEST(Format, TextsIgnoreTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(formatFixed(0.1, 2), "0.10");
  EXPECT_EQ(formatFixed(-1.005, 2), "-1.00");  // -1.005 is stored just above -1.005
  EXPECT_EQ(formatFixed(-111.11, 2), "-111.11");
  EXPECT_EQ(formatInteger(-30), "-30");
  EXPECT_EQ(Value(0.25).description(), "0.25");
  if (previous) std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace tarnavel
