#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

/// The key under which an element's text is stored in the reader's output.
inline constexpr std::string_view kXMLReaderTextNodeKey = "text";

/// Turns an XML document into nested dictionaries and arrays.
///
/// The result is a dictionary with one entry: the document element's name mapped to its node. A node is a
/// dictionary holding each attribute (name as written mapped to its string value), each child element (name
/// mapped to the child's node, or to an array of the nodes in document order when two or more children share
/// the name; an attribute of the same name then comes first in that array) and, under
/// `kXMLReaderTextNodeKey`, the element's text. Names keep their prefixes; `xmlns` declarations are plain
/// attributes.
///
/// Text is collected between tags; each run between two tags is trimmed of whitespace and newlines at both
/// ends and added to the text in progress, which is stored in the first element that ends after it was read
/// (text read before a child's start tag belongs to that child). Whitespace-only runs add nothing. CDATA
/// sections count as text; comments and processing instructions are dropped without splitting the run.
///
/// Every array and dictionary of the result is a new shared mutable Value that the caller owns.
///
/// A document that is not well formed, is empty or absent, nests elements deeper than 1,000 levels, declares
/// more than 500 general entities or entities whose references nest deeper than 32, expands entities out of
/// proportion, or is in an encoding that ICU does not know gives a null Value; then, when `error` is not
/// null,
/// `*error` receives "line L, column C: reason". On success `*error` is left as it was. No external entity or
/// external DTD is read. Reading is safe on a thread with a 256 KiB stack.
class XMLReader {
 public:
  /// Reads `xml`, taken as UTF-8 text whatever its XML declaration names (the text is already decoded).
  /// `std::nullopt` gives null.
  static Value XMLtoDictionary(std::optional<std::string_view> xml, std::string* error = nullptr);

  /// Reads the bytes of a document in any encoding that ICU converts, as a byte-order mark or the XML
  /// declaration says (UTF-8 when neither does). Empty or default-constructed data gives null.
  static Value dataToDictionary(std::span<const std::byte> xml, std::string* error = nullptr);
  static Value dataToDictionary(std::span<const std::uint8_t> xml, std::string* error = nullptr) {
    return dataToDictionary(std::as_bytes(xml), error);
  }

  XMLReader() = delete;
};

}  // namespace tarnavel
