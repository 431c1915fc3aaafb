#include "tarnavel/platform/foundation/NSCharacterSet.h"

#include <cstddef>

namespace tarnavel {

namespace {

unsigned char byteAt(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

bool isContinuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

// The code point of the well-formed, shortest-form two- or three-byte sequence at `i` and its length, or a
// length of 0 when there is none. Every character of the set outside ASCII takes two or three bytes.
struct Decoded {
  char32_t codePoint = 0;
  std::size_t length = 0;
};

Decoded decodeAt(std::string_view text, std::size_t i) {
  const unsigned char lead = byteAt(text, i);
  if ((lead & 0xE0) == 0xC0 && i + 1 < text.size() && isContinuation(byteAt(text, i + 1))) {
    const char32_t c = static_cast<char32_t>(((lead & 0x1F) << 6) | (byteAt(text, i + 1) & 0x3F));
    return c >= 0x80 ? Decoded{c, 2} : Decoded{};
  }
  if ((lead & 0xF0) == 0xE0 && i + 2 < text.size() && isContinuation(byteAt(text, i + 1)) &&
      isContinuation(byteAt(text, i + 2))) {
    const char32_t c = static_cast<char32_t>(((lead & 0x0F) << 12) | ((byteAt(text, i + 1) & 0x3F) << 6) |
                                             (byteAt(text, i + 2) & 0x3F));
    return c >= 0x800 ? Decoded{c, 3} : Decoded{};
  }
  return {};
}

// Length of the set character that starts at `i`, or 0 when the character there is not in the set.
std::size_t setCharacterAt(std::string_view text, std::size_t i) {
  const unsigned char b = byteAt(text, i);
  if (b < 0x80) return isWhitespaceOrNewline(b) ? 1 : 0;
  const Decoded d = decodeAt(text, i);
  return d.length != 0 && isWhitespaceOrNewline(d.codePoint) ? d.length : 0;
}

// Length of the set character that ends just before `end`, or 0 when the character there is not in the set.
std::size_t setCharacterBefore(std::string_view text, std::size_t end) {
  if (byteAt(text, end - 1) < 0x80) return isWhitespaceOrNewline(byteAt(text, end - 1)) ? 1 : 0;
  for (std::size_t length = 2; length <= 3 && length <= end; ++length) {
    if (!isContinuation(byteAt(text, end - length))) {
      return setCharacterAt(text, end - length) == length ? length : 0;
    }
  }
  return 0;
}

}  // namespace

bool isWhitespaceOrNewline(char32_t c) {
  if (c <= 0x20) return c == 0x20 || c == 0x09 || (c >= 0x0A && c <= 0x0D);
  return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::string_view trimWhitespaceAndNewlines(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t length = setCharacterAt(text, begin);
    if (length == 0) break;
    begin += length;
  }
  std::size_t end = text.size();
  while (end > begin) {
    const std::size_t length = setCharacterBefore(text, end);
    if (length == 0 || length > end - begin) break;
    end -= length;
  }
  return text.substr(begin, end - begin);
}

}  // namespace tarnavel
