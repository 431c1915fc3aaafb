#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tarnavel {

class Value;
using ValueArray = std::vector<Value>;
using ValueDictionary = std::map<std::string, Value, std::less<>>;

/// A dynamic value as the toolkit passes them around: null, a number that remembers its kind, a UTF-8
/// string, or a shared mutable array or dictionary. Copying a Value copies a reference to the same array or
/// dictionary, so a record that the grid edits is the host's own record.
class Value {
 public:
  enum class Type { Null, Number, String, Array, Dictionary };
  enum class NumberKind { Bool, Integer, Unsigned, Float, Double };

  Value() = default;
  Value(std::nullptr_t) {}
  Value(bool b) : storage_(Number{NumberKind::Bool, {.i = b ? 1 : 0}}) {}
  Value(int i) : Value(static_cast<long long>(i)) {}
  Value(long i) : Value(static_cast<long long>(i)) {}
  Value(long long i) : storage_(Number{NumberKind::Integer, {.i = i}}) {}
  Value(unsigned int u) : Value(static_cast<unsigned long long>(u)) {}
  Value(unsigned long u) : Value(static_cast<unsigned long long>(u)) {}
  Value(unsigned long long u) : storage_(Number{NumberKind::Unsigned, {.u = u}}) {}
  Value(float f) : storage_(Number{NumberKind::Float, {.d = f}}) {}
  Value(double d) : storage_(Number{NumberKind::Double, {.d = d}}) {}
  Value(const char* s) : storage_(std::string(s ? s : "")) {}
  Value(std::string s) : storage_(std::move(s)) {}
  Value(std::string_view s) : storage_(std::string(s)) {}

  Value(const Value&) = default;
  Value(Value&&) noexcept = default;
  Value& operator=(const Value&) = default;
  Value& operator=(Value&&) noexcept = default;
  /// Releases nested arrays and dictionaries without recursion, so a deep tree cannot exhaust the stack.
  ~Value();

  /// A new, empty or filled, shared mutable array.
  static Value newArray(std::initializer_list<Value> items = {});
  static Value newArray(ValueArray items);
  /// A new, empty or filled, shared mutable dictionary.
  static Value newDictionary(std::initializer_list<std::pair<const std::string, Value>> entries = {});

  Type type() const;
  bool isNull() const { return type() == Type::Null; }
  bool isNumber() const { return type() == Type::Number; }
  bool isString() const { return type() == Type::String; }
  bool isArray() const { return type() == Type::Array; }
  bool isDictionary() const { return type() == Type::Dictionary; }
  /// The kind a number remembers; raises NSInvalidArgumentException for a value that is not a number.
  NumberKind numberKind() const;

  /// The string; raises NSInvalidArgumentException for any other kind. On a temporary value the string is
  /// returned by value, so that a reference bound to it does not outlive the value.
  const std::string& string() const&;
  std::string string() &&;
  /// The shared array or dictionary; raises NSInvalidArgumentException for any other kind.
  ValueArray& array() const;
  ValueDictionary& dictionary() const;

  /// Element count of an array or dictionary, 0 for null; raises for a number or string.
  std::size_t count() const;
  /// Checked element access: NSRangeException for an index out of range; null gives null.
  Value at(long long index) const;
  void replaceAt(long long index, Value value) const;
  void append(Value value) const;
  /// The entry under `key`, or null when there is none (or this value is null).
  Value objectForKey(std::string_view key) const;
  void setObjectForKey(std::string key, Value value) const;

  /// The toolkit's number readers: numbers convert, saturating at the limits of the result's type (an
  /// unsigned number above the largest `long long` reads as that largest value), strings skip leading white
  /// space and read a leading number (0 when there is none), null gives 0. Arrays and dictionaries raise.
  int intValue() const;
  long long integerValue() const;
  float floatValue() const;
  double doubleValue() const;
  bool boolValue() const;

  /// The value's text: a string as it is; a bool "1" or "0"; an integer in decimal; a float with up to
  /// seven significant digits ("50", "0.25"); a double in its shortest exact form; null "(null)"; an array
  /// "(a, b)" and a dictionary "{key = value; }". An array or dictionary met again inside itself is written
  /// "(...)" or "{...}". Any depth of nesting is described without recursion.
  std::string description() const;
  /// The string in lower case (ASCII and Unicode letters); other kinds give their description lowered.
  std::string lowercaseString() const;

  /// Deep equality as the toolkit's isEqual: numbers by value (integers exactly, whatever their kinds, and
  /// an integer equals a floating-point number only when the number is exactly that integer), strings by
  /// content, a string never equals a number, arrays and dictionaries element by element. Any depth of
  /// nesting is compared without recursion, and containers that contain themselves compare in finite time.
  friend bool operator==(const Value& a, const Value& b);
  /// True when both refer to the very same array or dictionary.
  bool isSameObject(const Value& other) const;

 private:
  struct Number {
    NumberKind kind;
    union {
      long long i;
      unsigned long long u;
      double d;
    } v;
  };
  using Storage = std::variant<std::monostate, Number, std::string, std::shared_ptr<ValueArray>,
                               std::shared_ptr<ValueDictionary>>;

  double numberAsDouble() const;
  // The text of a value that is not an array or a dictionary.
  std::string leafDescription() const;
  // Exact equality of two numbers of any kinds.
  bool sameNumber(const Value& other) const;
  Storage storage_;
};

}  // namespace tarnavel
