#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tarnavel/platform/foundation/NSLocale.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"

namespace tarnavel {
namespace {

std::optional<std::string> formatted(NSUInteger style, const Value& number, const char* locale = "en_US") {
  NSNumberFormatter formatter;
  formatter.setNumberStyle(style);
  formatter.locale = locale;
  return formatter.stringFromNumber(number);
}

TEST(NumberFormatter, EachStyleInAGivenLocale) {
  struct Case {
    NSUInteger style;
    Value number;
    const char* locale;
    const char* expected;
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
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatted(c.style, c.number, c.locale), c.expected) << c.style << " " << c.number.description();
  EXPECT_EQ(formatted(NSNumberFormatterDecimalStyle, Value("12")), std::nullopt);  // not a number
}

TEST(NumberFormatter, WithoutALocaleFollowsTheCurrentOne) {
  const std::string before = NSLocale::currentLocaleIdentifier();
  NSNumberFormatter formatter;
  formatter.setNumberStyle(NSNumberFormatterDecimalStyle);
  NSLocale::setCurrentLocaleIdentifier("de_CH");
  const auto swiss = formatter.stringFromNumber(Value(1234.5));
  NSLocale::setCurrentLocaleIdentifier(before);
  EXPECT_EQ(swiss, "1\u2019234.5");
}

}  // namespace
}  // namespace tarnavel
