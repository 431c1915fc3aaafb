// Values (records, fields, parsed documents) and the formatters: texts by kind, readers, exact equality,
// nesting without recursion; numbers and dates in a given locale, trimmed texts, texts that ignore the
// process locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/foundation/NSCharacterSet.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/foundation/NSNumberFormatter.h"
#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {
namespace {

std::string described(std::initializer_list<Value> values) {
  std::string text;
  for (const Value& value : values)
    text += (text.empty() ? "" : " | ") + value.description();
  return text;
}

TEST(Value, DescriptionsWriteNumbersByTheirKindAndNestedContainers) {
  EXPECT_EQ(described({true, false, 42, -7LL, 18446744073709551615ULL, 50.0f, 0.25f, 3.14159274f, 0.1, 100.0,
                       Value(), "abc"}),
            "1 | 0 | 42 | -7 | 18446744073709551615 | 50 | 0.25 | 3.141593 | 0.1 | 100 | (null) | abc");
  const Value shared = Value::newArray({7});
  EXPECT_EQ(described({Value::newArray({1, Value::newArray({"b", 2.5}), Value::newArray()}),
                       Value::newDictionary({{"a", 1}, {"b", Value::newDictionary({{"c", "x"}})}}),
                       Value::newDictionary(), Value::newArray({shared, shared})}),
            "(1, (b, 2.5), ()) | {a = 1; b = {c = x; }; } | {} | ((7), (7))");  // a repeat that is no cycle
}

TEST(Value, StringReadersTakeTheLeadingNumberOrZero) {
  struct Case {
    const char* text;
    int asInt;
    double asDouble;
    bool asBool;
  };
  const Case cases[] = {
      {"42", 42, 42, true},         {"  -17abc", -17, -17, true},
      {"3.75", 3, 3.75, true},      {"+8", 8, 8, true},
      {"abc", 0, 0, false},         {"", 0, 0, false},
      {"1e3", 1, 1000, true},       {".5", 0, 0.5, false},
      {"\t\n 12", 12, 12, true},    {"YES", 0, 0, true},
      {"true", 0, 0, true},         {"no", 0, 0, false},
      {"0009", 9, 9, true},         {"-0", 0, 0, false},
      {"1.", 1, 1, true},           {"99999999999", 2147483647, 99999999999.0, true},
      {"1e400", 1, HUGE_VAL, true}, {"1e-400", 1, 0, true},
      {"\f\v7", 7, 7, true},  // form feed and vertical tab are white space too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Value(c.text).intValue(), c.asInt);
    EXPECT_DOUBLE_EQ(Value(c.text).doubleValue(), c.asDouble);
    EXPECT_EQ(Value(c.text).boolValue(), c.asBool);
  }
  EXPECT_EQ(Value("-99999999999999999999").integerValue(), std::numeric_limits<long long>::min());
  EXPECT_EQ(Value().intValue(), 0);
  EXPECT_EQ(Value("ÄBC Straße").lowercaseString(), "äbc straße");
  EXPECT_EQ(Value(12).lowercaseString(), "12");
}

TEST(Value, NumberReadersSaturateInsteadOfOverflowing) {
  EXPECT_EQ(Value(1e300).intValue(), std::numeric_limits<int>::max());
  EXPECT_EQ(Value(-1e300).integerValue(), std::numeric_limits<long long>::min());
  EXPECT_EQ(Value(std::numeric_limits<double>::quiet_NaN()).intValue(), 0);
  EXPECT_EQ(Value(7.9).intValue(), 7);
  EXPECT_FLOAT_EQ(Value(2).floatValue(), 2.0f);
  EXPECT_TRUE(Value(0.5).boolValue()) << "any number but zero is true";
  EXPECT_FALSE(Value(0.0).boolValue());
  const unsigned long long largest = std::numeric_limits<unsigned long long>::max();
  EXPECT_EQ(Value(largest).integerValue(), std::numeric_limits<long long>::max());
  EXPECT_EQ(Value(largest).intValue(), std::numeric_limits<int>::max());
  EXPECT_EQ(Value(9223372036854775808ULL).integerValue(), std::numeric_limits<long long>::max());
  EXPECT_EQ(Value(1e300).floatValue(), std::numeric_limits<float>::infinity());
  EXPECT_EQ(Value("-1e300").floatValue(), -std::numeric_limits<float>::infinity());
}

TEST(Value, NumbersCompareExactlyWhateverTheirKindsAndContainersDeeply) {
  const unsigned long long largest = std::numeric_limits<unsigned long long>::max();
  const long long twoTo53 = 9007199254740992LL;
  const Value withNaN = Value::newDictionary({{"x", std::numeric_limits<double>::quiet_NaN()}});
  const struct {
    Value a;
    Value b;
    bool equal;
  } cases[] = {
      {largest, largest - 1, false},
      {largest, largest, true},
      {Value(twoTo53 + 1), Value(static_cast<double>(twoTo53)), false},
      {Value(static_cast<unsigned long long>(twoTo53) + 1), Value(static_cast<double>(twoTo53)), false},
      {Value(twoTo53), Value(static_cast<double>(twoTo53)), true},
      {Value(-1), Value(largest), false},
      {Value(5), Value(5u), true},
      {Value(9223372036854775808ULL), Value(9223372036854775808.0), true},
      {Value(std::numeric_limits<long long>::max()), Value(9223372036854775808.0), false},
      {Value(3), Value(3.5), false},
      {Value(0.5f), Value(0.5), true},
      {Value(false), Value(0.0), true},
      {Value(std::numeric_limits<double>::quiet_NaN()), Value(std::numeric_limits<double>::quiet_NaN()),
       false},
      {Value(1), Value(1.0), true},
      {Value(true), Value(1), true},
      {Value("1"), Value(1), false},  // a string never equals a number
      {Value(), Value(""), false},
      {Value::newArray({"a", 1}), Value::newArray({"a", 1}), true},
      {Value::newArray({"a"}), Value::newArray({"a", "b"}), false},
      {Value::newDictionary({{"k", "v"}}), Value::newDictionary({{"k", "v"}}), true},
      {withNaN, withNaN, true},  // the very same dictionary, though NaN equals nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.a.description() + " and " + c.b.description());
    EXPECT_EQ(c.a == c.b, c.equal);
    EXPECT_EQ(c.b == c.a, c.equal);
  }
}

TEST(Value, WrongKindsRaiseThePlatformException) {
  const Value array = Value::newArray({"a"});
  EXPECT_THROW(array.intValue(), NSException);
  EXPECT_THROW(Value(3).string(), NSException);
  EXPECT_THROW(Value("x").array(), NSException);
  EXPECT_THROW(Value("x").count(), NSException);
  try {
    array.at(1);
    FAIL();
  } catch (const NSException& e) {
    EXPECT_EQ(e.name(), NSRangeException);
  }
  EXPECT_THROW(array.at(-1), NSException);
  EXPECT_THROW(array.replaceAt(5, "y"), NSException);
  EXPECT_TRUE(Value().at(3).isNull()) << "asking null gives null, as the toolkit does";

  // The string of a temporary is a copy; that of a lasting value a reference.
  static_assert(std::is_same_v<decltype(Value("x").string()), std::string>);
  static_assert(std::is_same_v<decltype(std::declval<const Value&>().string()), const std::string&>);
  const Value record = Value::newDictionary({{"a", std::string(100, 'q')}});
  const std::string& text = record.objectForKey("a").string();  // the temporary value ends here
  EXPECT_EQ(text, std::string(100, 'q'));
  EXPECT_THROW(record.objectForKey("missing").string(), NSException);
}

// Each of `count` nested levels is an array holding `leaf` and the next level.
Value nestedArrays(int count, const Value& leaf) {
  Value root = Value::newArray({leaf});
  Value current = root;
  for (int i = 1; i < count; ++i) {
    Value child = Value::newArray({leaf});
    current.append(child);
    current = child;
  }
  return root;
}

TEST(Value, DeepNestingIsDescribedComparedAndReleasedWithoutRecursion) {
  const Value a = nestedArrays(100'000, 1);
  const Value b = nestedArrays(100'000, 1);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, nestedArrays(100'000, 2));
  EXPECT_NE(a, nestedArrays(99'999, 1));
  const std::string text = a.description();
  EXPECT_EQ(text.size(), 100'000u * 5 - 2);  // "(1, " per level, ")" per level, no ", " after the deepest
  EXPECT_TRUE(text.starts_with("(1, (1, ")) << text.substr(0, 20);
}

TEST(Value, ContainersThatContainThemselvesEndInDescriptionAndEquality) {
  const Value loop = Value::newArray({1});
  loop.append(loop);
  const Value node = Value::newDictionary({{"name", "n"}});
  node.setObjectForKey("self", node);
  const Value otherLoop = Value::newArray({1});
  otherLoop.append(otherLoop);
  const Value differentLoop = Value::newArray({2});
  differentLoop.append(differentLoop);

  EXPECT_EQ(loop.description(), "(1, (...))");
  EXPECT_EQ(node.description(), "{name = n; self = {...}; }");
  EXPECT_EQ(loop, loop);
  EXPECT_EQ(loop, otherLoop);
  EXPECT_NE(loop, differentLoop);
  EXPECT_NE(loop, Value::newArray({1, Value::newArray({1})}));

  // The cycles would keep the values alive past the test.
  for (const Value& cycle : {loop, otherLoop, differentLoop})
    cycle.array().pop_back();
  node.setObjectForKey("self", Value());
}

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
