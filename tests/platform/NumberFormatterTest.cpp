#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/foundation/NSLocale.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"

namespace tarnavel {
namespace {

std::string formatted(NSUInteger style, const Value& number, const char* locale = "en_US") {
  NSNumberFormatter formatter;
  formatter.setNumberStyle(style);
  formatter.locale = locale;
  return formatter.stringFromNumber(number).value_or("(none)");
}

TEST(NumberFormatter, EachStyleInAPinnedLocale) {
  struct Case {
    NSUInteger style;
    Value number;
    const char* expected;
  };
  const Case cases[] = {
      {NSNumberFormatterNoStyle, Value(1234.5), "1234"},  // half-even, no grouping
      {NSNumberFormatterNoStyle, Value(1235.5), "1236"},
      {NSNumberFormatterDecimalStyle, Value(1234.5), "1,234.5"},
      {NSNumberFormatterDecimalStyle, Value(2.0 / 3), "0.667"},
      {NSNumberFormatterDecimalStyle, Value(-1234), "-1,234"},
      {NSNumberFormatterCurrencyStyle, Value(1234.5), "$1,234.50"},
      {NSNumberFormatterPercentStyle, Value(0.25), "25%"},
      {NSNumberFormatterScientificStyle, Value(1234.5), "1.2345E3"},
      {NSNumberFormatterSpellOutStyle, Value(42), "forty-two"},
      {NSNumberFormatterOrdinalStyle, Value(3), "3rd"},
      {NSNumberFormatterCurrencyISOCodeStyle, Value(2), "USD\u00a02.00"},
      {NSNumberFormatterCurrencyPluralStyle, Value(2), "2.00 US dollars"},
      {NSNumberFormatterCurrencyAccountingStyle, Value(-2), "($2.00)"},
      {7, Value(1234.5), "1234"},  // not a style: formats as the plain one
      {NSNumberFormatterDecimalStyle, Value(true), "1"},
      {NSNumberFormatterDecimalStyle, Value(0.1f), "0.1"},  // the float's own digits
      {NSNumberFormatterDecimalStyle, Value(std::numeric_limits<unsigned long long>::max()),
       "18,446,744,073,709,551,615"},
      {NSNumberFormatterDecimalStyle, Value(std::numeric_limits<long long>::min()),
       "-9,223,372,036,854,775,808"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatted(c.style, c.number), c.expected)
        << "style " << c.style << " " << c.number.description();
  }
}

TEST(NumberFormatter, SeparatorsAndCurrencyFollowTheLocale) {
  EXPECT_EQ(formatted(NSNumberFormatterDecimalStyle, Value(1234.5), "de_DE"), "1.234,5");
  EXPECT_EQ(formatted(NSNumberFormatterCurrencyStyle, Value(1234.5), "de_DE"), "1.234,50\u00a0\u20ac");
  EXPECT_EQ(formatted(NSNumberFormatterSpellOutStyle, Value(42), "fr_FR"), "quarante-deux");
}

TEST(NumberFormatter, WithoutALocaleFollowsTheCurrentOne) {
  const std::string before = NSLocale::currentLocaleIdentifier();
  NSNumberFormatter formatter;
  formatter.setNumberStyle(NSNumberFormatterDecimalStyle);
  NSLocale::setCurrentLocaleIdentifier("de_CH");
  const auto swiss = formatter.stringFromNumber(Value(1234.5));
  NSLocale::setCurrentLocaleIdentifier("en_US");
  const auto american = formatter.stringFromNumber(Value(1234.5));
  NSLocale::setCurrentLocaleIdentifier(before);
  EXPECT_EQ(swiss, "1\u2019234.5");
  EXPECT_EQ(american, "1,234.5");
}

TEST(NumberFormatter, OnlyNumbersHaveAText) {
  NSNumberFormatter formatter;
  EXPECT_EQ(formatter.stringFromNumber(Value("12")), std::nullopt);
  EXPECT_EQ(formatter.stringFromNumber(Value()), std::nullopt);
  EXPECT_EQ(formatter.stringFromNumber(Value::newArray({Value(1)})), std::nullopt);
  formatter.locale = "en_US";
  EXPECT_EQ(formatter.stringFromNumber(Value(std::numeric_limits<double>::quiet_NaN())), "NaN");
}

}  // namespace
}  // namespace tarnavel
