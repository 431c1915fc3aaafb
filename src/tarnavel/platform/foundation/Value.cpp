#include "tarnavel/platform/foundation/Value.h"

#include <unicode/unistr.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <unordered_set>

#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view skipSpaces(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && isSpace(s[i]))
    ++i;
  return s.substr(i);
}

// The leading decimal number of `s` ([sign] digits [. digits] [exponent]), as the toolkit's readers take it.
std::string_view leadingDecimal(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t intStart = i;
  while (i < s.size() && isDigit(s[i]))
    ++i;
  bool digits = i > intStart;
  if (i < s.size() && s[i] == '.') {
    std::size_t fracStart = ++i;
    while (i < s.size() && isDigit(s[i]))
      ++i;
    digits = digits || i > fracStart;
  }
  if (!digits) return {};
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expStart = j;
    while (j < s.size() && isDigit(s[j]))
      ++j;
    if (j > expStart) i = j;
  }
  return s.substr(0, i);
}

double parseDouble(std::string_view text) {
  std::string_view number = leadingDecimal(skipSpaces(text));
  if (number.empty()) return 0;
  const bool negative = number.front() == '-';
  if (number.front() == '+' || number.front() == '-') number.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // An exponent past the double range: the reader answers an infinity (or 0 for a tiny number).
    value = number.find_first_of("eE") != std::string_view::npos &&
                    number.substr(number.find_first_of("eE") + 1).starts_with('-')
                ? 0.0
                : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

long long parseInteger(std::string_view text) {
  std::string_view s = skipSpaces(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  unsigned long long magnitude = 0;
  const unsigned long long limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
  for (char c : s) {
    if (!isDigit(c)) break;
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (magnitude > (limit - digit) / 10) {
      magnitude = limit;
      break;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (negative)
    return magnitude == limit ? std::numeric_limits<long long>::min() : -static_cast<long long>(magnitude);
  return static_cast<long long>(magnitude);
}

bool parseBool(std::string_view text) {
  std::string_view s = skipSpaces(text);
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  while (!s.empty() && s.front() == '0')
    s.remove_prefix(1);
  if (s.empty()) return false;
  const char c = s.front();
  return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

template <class Int>
Int saturate(double d) {
  if (std::isnan(d)) return 0;
  if (d <= static_cast<double>(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
  if (d >= static_cast<double>(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
  return static_cast<Int>(d);
}

std::string formatDouble(double d, bool asFloat) {
  char buffer[64];
  const auto result = asFloat ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(d),
                                              std::chars_format::general, 7)
                              : std::to_chars(buffer, buffer + sizeof buffer, d);
  return std::string(buffer, result.ptr);
}

[[noreturn]] void wrongKind(const char* wanted) {
  raiseException(NSInvalidArgumentException, std::string("value is not ") + wanted);
}

}  // namespace

namespace {

template <class Container>
bool isOwnedAndNonEmpty(const std::shared_ptr<Container>& container) {
  return container && container.use_count() == 1 && !container->empty();
}

}  // namespace

// A container is released after its children: each child that is itself a container held only here is
// opened in turn and its own children visited, so the work list is as deep as the tree is, never as wide,
// and no child is moved. When a container is finally destroyed its remaining children are leaves, empty,
// hollowed out, or shared with someone else, so their destruction does not recurse.
Value::~Value() {
  struct Open {
    std::shared_ptr<ValueArray> array;
    std::size_t next = 0;
    std::shared_ptr<ValueDictionary> dictionary;
    ValueDictionary::iterator entry;
  };
  std::vector<Open> open;
  auto openIfOwned = [&open](Storage& storage) {
    if (auto* a = std::get_if<std::shared_ptr<ValueArray>>(&storage); a && isOwnedAndNonEmpty(*a)) {
      open.emplace_back().array = std::move(*a);
    } else if (auto* d = std::get_if<std::shared_ptr<ValueDictionary>>(&storage);
               d && isOwnedAndNonEmpty(*d)) {
      Open& opened = open.emplace_back();
      opened.dictionary = std::move(*d);
      opened.entry = opened.dictionary->begin();
    }
  };
  // The next child of `container` that is an array or a dictionary, or null after the last.
  auto nextContainerChild = [](Open& container) -> Storage* {
    if (container.array) {
      ValueArray& items = *container.array;
      while (container.next < items.size()) {
        Storage& child = items[container.next++].storage_;
        if (child.index() >= 3) return &child;
      }
      return nullptr;
    }
    while (container.entry != container.dictionary->end()) {
      Storage& child = (container.entry++)->second.storage_;
      if (child.index() >= 3) return &child;
    }
    return nullptr;
  };

  if (storage_.index() < 3) return;
  openIfOwned(storage_);
  while (!open.empty()) {
    if (Storage* child = nextContainerChild(open.back())) {
      openIfOwned(*child);
    } else {
      open.pop_back();
    }
  }
}

Value Value::newArray(std::initializer_list<Value> items) {
  return newArray(ValueArray(items));
}

Value Value::newArray(ValueArray items) {
  Value v;
  v.storage_ = std::make_shared<ValueArray>(std::move(items));
  return v;
}

Value Value::newDictionary(std::initializer_list<std::pair<const std::string, Value>> entries) {
  Value v;
  v.storage_ = std::make_shared<ValueDictionary>(entries.begin(), entries.end());
  return v;
}

Value::Type Value::type() const {
  return static_cast<Type>(storage_.index());
}

Value::NumberKind Value::numberKind() const {
  if (const auto* n = std::get_if<Number>(&storage_)) return n->kind;
  wrongKind("a number");
}

const std::string& Value::string() const& {
  if (const auto* s = std::get_if<std::string>(&storage_)) return *s;
  wrongKind("a string");
}

std::string Value::string() && {
  if (auto* s = std::get_if<std::string>(&storage_)) return std::move(*s);
  wrongKind("a string");
}

ValueArray& Value::array() const {
  if (const auto* a = std::get_if<std::shared_ptr<ValueArray>>(&storage_)) return **a;
  wrongKind("an array");
}

ValueDictionary& Value::dictionary() const {
  if (const auto* d = std::get_if<std::shared_ptr<ValueDictionary>>(&storage_)) return **d;
  wrongKind("a dictionary");
}

std::size_t Value::count() const {
  switch (type()) {
    case Type::Null:
      return 0;
    case Type::Array:
      return array().size();
    case Type::Dictionary:
      return dictionary().size();
    default:
      wrongKind("an array or a dictionary");
  }
}

Value Value::at(long long index) const {
  if (isNull()) return {};
  const ValueArray& items = array();
  return items[checkedIndex(index, items.size())];
}

void Value::replaceAt(long long index, Value value) const {
  if (isNull()) return;
  ValueArray& items = array();
  items[checkedIndex(index, items.size())] = std::move(value);
}

void Value::append(Value value) const {
  if (isNull()) return;
  array().push_back(std::move(value));
}

Value Value::objectForKey(std::string_view key) const {
  if (isNull()) return {};
  const ValueDictionary& entries = dictionary();
  const auto found = entries.find(key);
  return found == entries.end() ? Value() : found->second;
}

void Value::setObjectForKey(std::string key, Value value) const {
  if (isNull()) return;
  dictionary().insert_or_assign(std::move(key), std::move(value));
}

double Value::numberAsDouble() const {
  const Number& n = std::get<Number>(storage_);
  switch (n.kind) {
    case NumberKind::Bool:
    case NumberKind::Integer:
      return static_cast<double>(n.v.i);
    case NumberKind::Unsigned:
      return static_cast<double>(n.v.u);
    default:
      return n.v.d;
  }
}

long long Value::integerValue() const {
  switch (type()) {
    case Type::Null:
      return 0;
    case Type::String:
      return parseInteger(string());
    case Type::Number: {
      const Number& n = std::get<Number>(storage_);
      if (n.kind == NumberKind::Bool || n.kind == NumberKind::Integer) return n.v.i;
      if (n.kind == NumberKind::Unsigned) {
        return n.v.u > static_cast<unsigned long long>(std::numeric_limits<long long>::max())
                   ? std::numeric_limits<long long>::max()
                   : static_cast<long long>(n.v.u);
      }
      return saturate<long long>(n.v.d);
    }
    default:
      wrongKind("a number or a string");
  }
}

int Value::intValue() const {
  if (isNumber() && (numberKind() == NumberKind::Float || numberKind() == NumberKind::Double)) {
    return saturate<int>(numberAsDouble());
  }
  const long long wide = integerValue();
  if (wide > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (wide < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(wide);
}

double Value::doubleValue() const {
  switch (type()) {
    case Type::Null:
      return 0;
    case Type::String:
      return parseDouble(string());
    case Type::Number:
      return numberAsDouble();
    default:
      wrongKind("a number or a string");
  }
}

float Value::floatValue() const {
  const double d = doubleValue();
  // Converting a double beyond the float range is undefined; the reader answers an infinity.
  if (d > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
  if (d < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(d);
}

bool Value::boolValue() const {
  switch (type()) {
    case Type::Null:
      return false;
    case Type::String:
      return parseBool(string());
    case Type::Number:
      return numberAsDouble() != 0;
    default:
      wrongKind("a number or a string");
  }
}

std::string Value::description() const {
  std::string text;
  // The arrays and dictionaries being written, outermost first, each with the next element to write.
  struct Open {
    const Value* container;
    std::size_t next = 0;
    ValueDictionary::const_iterator entry;
  };
  std::vector<Open> open;
  std::unordered_set<const void*> onPath;

  // Writes `value`: a leaf at once, a container's opening bracket (its elements follow from the work list).
  auto begin = [&](const Value& value) {
    if (value.isArray() || value.isDictionary()) {
      const void* identity = value.isArray() ? static_cast<const void*>(&value.array())
                                             : static_cast<const void*>(&value.dictionary());
      if (!onPath.insert(identity).second) {
        text += value.isArray() ? "(...)" : "{...}";
        return;
      }
      text += value.isArray() ? "(" : "{";
      Open opened;
      opened.container = &value;
      if (value.isDictionary()) opened.entry = value.dictionary().begin();
      open.push_back(opened);
      return;
    }
    text += value.leafDescription();
  };

  begin(*this);
  while (!open.empty()) {
    Open& top = open.back();
    const Value& container = *top.container;
    if (container.isArray()) {
      const ValueArray& items = container.array();
      if (top.next < items.size()) {
        if (top.next > 0) text += ", ";
        begin(items[top.next++]);
        continue;
      }
      text += ")";
      onPath.erase(&items);
    } else {
      const ValueDictionary& entries = container.dictionary();
      if (top.next > 0) text += "; ";
      if (top.entry != entries.end()) {
        const auto& [key, value] = *top.entry++;
        ++top.next;
        text += key + " = ";
        begin(value);
        continue;
      }
      text += "}";
      onPath.erase(&entries);
    }
    open.pop_back();
  }
  return text;
}

std::string Value::leafDescription() const {
  switch (type()) {
    case Type::Null:
      return "(null)";
    case Type::String:
      return string();
    case Type::Number: {
      const Number& n = std::get<Number>(storage_);
      switch (n.kind) {
        case NumberKind::Bool:
        case NumberKind::Integer:
          return std::to_string(n.v.i);
        case NumberKind::Unsigned:
          return std::to_string(n.v.u);
        case NumberKind::Float:
          return formatDouble(n.v.d, true);
        case NumberKind::Double:
          return formatDouble(n.v.d, false);
      }
      return {};
    }
    default:
      return {};
  }
}

std::string Value::lowercaseString() const {
  std::string lowered;
  icu::UnicodeString::fromUTF8(description()).toLower().toUTF8String(lowered);
  return lowered;
}

bool Value::isSameObject(const Value& other) const {
  if (storage_.index() != other.storage_.index()) return false;
  if (const auto* a = std::get_if<std::shared_ptr<ValueArray>>(&storage_)) {
    return *a == std::get<std::shared_ptr<ValueArray>>(other.storage_);
  }
  if (const auto* d = std::get_if<std::shared_ptr<ValueDictionary>>(&storage_)) {
    return *d == std::get<std::shared_ptr<ValueDictionary>>(other.storage_);
  }
  return false;
}

namespace {

bool isIntegral(double d) {
  return std::isfinite(d) && d == std::trunc(d);
}

// Exact comparisons of an integer with a floating-point number: equal only when the number is that integer.
bool sameNumber(long long i, double d) {
  // 2^63 is exact as a double; every integral double in [-2^63, 2^63) converts exactly.
  return isIntegral(d) && d >= -9223372036854775808.0 && d < 9223372036854775808.0 &&
         static_cast<long long>(d) == i;
}
bool sameNumber(unsigned long long u, double d) {
  return isIntegral(d) && d >= 0 && d < 18446744073709551616.0 && static_cast<unsigned long long>(d) == u;
}

}  // namespace

bool Value::sameNumber(const Value& other) const {
  const Number& a = std::get<Number>(storage_);
  const Number& b = std::get<Number>(other.storage_);
  auto isFloating = [](NumberKind kind) { return kind == NumberKind::Float || kind == NumberKind::Double; };
  if (isFloating(a.kind) && isFloating(b.kind)) return a.v.d == b.v.d;
  if (isFloating(a.kind)) return other.sameNumber(*this);
  // `a` is an integer from here on: signed (bools among them) or unsigned.
  const bool aUnsigned = a.kind == NumberKind::Unsigned;
  if (isFloating(b.kind))
    return aUnsigned ? tarnavel::sameNumber(a.v.u, b.v.d) : tarnavel::sameNumber(a.v.i, b.v.d);
  const bool bUnsigned = b.kind == NumberKind::Unsigned;
  if (aUnsigned == bUnsigned) return aUnsigned ? a.v.u == b.v.u : a.v.i == b.v.i;
  const long long i = aUnsigned ? b.v.i : a.v.i;
  const unsigned long long u = aUnsigned ? a.v.u : b.v.u;
  return i >= 0 && static_cast<unsigned long long>(i) == u;
}

bool operator==(const Value& a, const Value& b) {
  // Unlike kinds and two nulls need no work list (views compare their unset stores with null often).
  if (a.type() != b.type()) return false;
  if (a.type() == Value::Type::Null) return true;
  // Pairs still to compare; pairs of containers already taken up are assumed equal when met again, which
  // ends the comparison of containers that contain themselves.
  std::vector<std::pair<const Value*, const Value*>> pending{{&a, &b}};
  std::set<std::pair<const void*, const void*>> takenUp;
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    if (x->type() != y->type()) return false;
    switch (x->type()) {
      case Value::Type::Null:
        break;
      case Value::Type::String:
        if (x->string() != y->string()) return false;
        break;
      case Value::Type::Number:
        if (!x->sameNumber(*y)) return false;
        break;
      case Value::Type::Array: {
        const ValueArray& xs = x->array();
        const ValueArray& ys = y->array();
        if (&xs == &ys || !takenUp.emplace(&xs, &ys).second) break;
        if (xs.size() != ys.size()) return false;
        for (std::size_t i = 0; i < xs.size(); ++i)
          pending.emplace_back(&xs[i], &ys[i]);
        break;
      }
      case Value::Type::Dictionary: {
        const ValueDictionary& xs = x->dictionary();
        const ValueDictionary& ys = y->dictionary();
        if (&xs == &ys || !takenUp.emplace(&xs, &ys).second) break;
        if (xs.size() != ys.size()) return false;
        for (auto i = xs.begin(), j = ys.begin(); i != xs.end(); ++i, ++j) {
          if (i->first != j->first) return false;
          pending.emplace_back(&i->second, &j->second);
        }
        break;
      }
    }
  }
  return true;
}

}  // namespace tarnavel
