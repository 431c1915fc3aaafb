#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace tarnavel {

/// Hands `typed` to `type` one character (one UTF-8 sequence) at a time, as a keyboard delivers it; a
/// sequence cut short at the end of the text is handed over as it is.
template <class TypeOne>
void forEachTypedCharacter(std::string_view typed, TypeOne&& type) {
  for (std::size_t i = 0; i < typed.size();) {
    const auto lead = static_cast<unsigned char>(typed[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const std::string_view character = typed.substr(i, std::min(length, typed.size() - i));
    i += character.size();
    type(character);
  }
}

}  // namespace tarnavel
