#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <type_traits>
#include <utility>

#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {
namespace {

TEST(Value, DescriptionsWriteNumbersByTheirKindAndNestedContainers) {
  const Value shared = Value::newArray({7});
  const std::pair<Value, const char*> cases[] = {
      {Value(true), "1"},
      {Value(false), "0"},
      {Value(42), "42"},
      {Value(-7LL), "-7"},
      {Value(18446744073709551615ULL), "18446744073709551615"},
      {Value(50.0f), "50"},
      {Value(0.25f), "0.25"},
      {Value(3.14159274f), "3.141593"},
      {Value(0.1), "0.1"},
      {Value(100.0), "100"},
      {Value(), "(null)"},
      {Value("abc"), "abc"},
      {Value::newArray({1, Value::newArray({"b", 2.5}), Value::newArray()}), "(1, (b, 2.5), ())"},
      {Value::newDictionary(
           {{"a", 1}, {"b", Value::newDictionary({{"c", "x"}})}, {"d", Value::newDictionary()}}),
       "{a = 1; b = {c = x; }; d = {}; }"},
      {Value::newArray({shared, shared}), "((7), (7))"},  // a repeat that is no cycle is written
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(value.description(), text);
}

TEST(Value, StringReadersTakeTheLeadingNumberOrZero) {
  struct Case {
    const char* text;
    int asInt;
    double asDouble;
    bool asBool;
  };
  const Case cases[] = {
      {"42", 42, 42, true},      {"  -17abc", -17, -17, true},
      {"3.75", 3, 3.75, true},   {"+8", 8, 8, true},
      {"abc", 0, 0, false},      {"", 0, 0, false},
      {"1e3", 1, 1000, true},    {".5", 0, 0.5, false},
      {"\t\n 12", 12, 12, true}, {"YES", 0, 0, true},
      {"true", 0, 0, true},      {"no", 0, 0, false},
      {"0009", 9, 9, true},      {"-0", 0, 0, false},
      {"1.", 1, 1, true},        {"99999999999", 2147483647, 99999999999.0, true},
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

}  // namespace
}  // namespace tarnavel
