#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace tarnavel {

class NSXMLParser;

/// One attribute of a start tag, as written (no namespace processing). Both views are valid only during
/// the callback that receives them.
struct NSXMLAttribute {
  std::string_view name;
  std::string_view value;
};

/// What a parser reports while it reads a document. The defaults do nothing; a delegate overrides what it
/// needs. Names and text are UTF-8 and valid only during the call.
class NSXMLParserDelegate {
 public:
  virtual ~NSXMLParserDelegate() = default;

  /// A start tag (or an empty-element tag, which is followed at once by its end) with its attributes in the
  /// order written. Names keep their prefixes; `xmlns` declarations are plain attributes.
  virtual void parserDidStartElement(NSXMLParser& parser, std::string_view elementName,
                                     std::span<const NSXMLAttribute> attributes);
  virtual void parserDidEndElement(NSXMLParser& parser, std::string_view elementName);
  /// A piece of character data: text, expanded entity and character references, and the content of CDATA
  /// sections. One run of text between two tags may arrive in several pieces, split wherever the parser
  /// chooses (at line ends, at references, at section boundaries).
  virtual void parserFoundCharacters(NSXMLParser& parser, std::string_view characters);
};

/// An event-driven XML parser over a document's bytes. It reports element starts, element ends and
/// character data to its delegate, synchronously, during `parse()`, and fails on anything not well formed.
/// The encoding comes from a byte-order mark or the XML declaration (UTF-8 when there is neither); any
/// encoding that ICU converts is understood, and an encoding it does not know fails the parse with a message
/// naming it. No namespace processing is done. No external entity or external DTD is ever loaded
/// (references to external entities are skipped), entity expansion is bounded against amplification, and
/// elements nested deeper than `kMaximumDepth` fail the parse. A document that declares more than
/// `kMaximumEntities` general entities, or an entity whose references nest deeper than
/// `kMaximumEntityDepth`, fails as soon as the declaration is read, so expansion takes little stack: a parse
/// is safe on a thread with a 256 KiB stack.
class NSXMLParser {
 public:
  /// The deepest element nesting accepted: a document element holding 999 levels of descendants parses,
  /// one level more fails.
  static constexpr int kMaximumDepth = 1000;
  /// The most general entities a document may declare.
  static constexpr int kMaximumEntities = 500;
  /// The deepest entity reference chain accepted: an entity referring to one that refers to another, and so
  /// on, `kMaximumEntityDepth` entities in all.
  static constexpr int kMaximumEntityDepth = 32;

  enum class Encoding {
    /// Detected from a byte-order mark or the XML declaration.
    FromDocument,
    /// The bytes are UTF-8 whatever the declaration says (text that was already decoded into a string).
    UTF8,
  };

  /// A parser over `data`, which is not copied and must outlive `parse()`.
  explicit NSXMLParser(std::span<const std::byte> data, Encoding encoding = Encoding::FromDocument);
  ~NSXMLParser();
  NSXMLParser(const NSXMLParser&) = delete;
  NSXMLParser& operator=(const NSXMLParser&) = delete;

  /// The delegate is held weakly; `parse()` holds it for the duration of the parse.
  void setDelegate(std::weak_ptr<NSXMLParserDelegate> delegate) { delegate_ = std::move(delegate); }

  /// Reads the whole document, calling the delegate. True when the document is well formed and within the
  /// limits; false otherwise, with `parserError()` describing the first fault. Each call reads the document
  /// afresh.
  bool parse();

  /// After a failed `parse()`: "line L, column C: reason", with the line and column (both from 1) where the
  /// fault was found. Empty otherwise.
  const std::string& parserError() const { return error_; }

 private:
  class Session;

  std::span<const std::byte> data_;
  Encoding encoding_;
  std::weak_ptr<NSXMLParserDelegate> delegate_;
  std::string error_;
};

}  // namespace tarnavel
