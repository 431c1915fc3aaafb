#pragma once

#include <string_view>

namespace tarnavel {

/// Whether `c` is in the toolkit's whitespace-and-newline set: the Unicode space separators (U+0020, U+00A0,
/// U+1680, U+2000 to U+200A, U+202F, U+205F, U+3000), the line and paragraph separators (U+2028, U+2029),
/// tab, U+000A to U+000D and U+0085.
bool isWhitespaceOrNewline(char32_t c);

/// `text` (UTF-8) without its leading and trailing whitespace-and-newline characters. A byte sequence that is
/// not valid UTF-8 counts as a character outside the set, so trimming stops there.
std::string_view trimWhitespaceAndNewlines(std::string_view text);

}  // namespace tarnavel
