#pragma once

// Internal: documents in encodings the XML parser does not know itself, read through ICU's converters.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarnavel {

/// Whether ICU has a converter for the encoding `name` (matched as ICU matches aliases).
bool isEncodingKnownToICU(std::string_view name);

/// For a single-byte encoding known to ICU: the code point of each byte, -1 for a byte that the encoding
/// leaves undefined. Nothing for an unknown or multi-byte encoding.
std::optional<std::array<int, 256>> singleByteTable(std::string_view name);

/// The outcome of converting a document to UTF-8.
struct UTF8Conversion {
  std::string text;
  /// Empty on success; otherwise "line L, column C: reason", positioned in the text converted so far.
  std::string error;
};

/// Converts `data`, encoded in `name` (an encoding known to ICU), to UTF-8. A byte sequence the encoding
/// does not define ends the conversion with an error naming the encoding.
UTF8Conversion convertToUTF8(std::span<const std::byte> data, std::string_view name);

}  // namespace tarnavel
