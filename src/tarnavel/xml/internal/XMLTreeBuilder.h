#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tarnavel/platform/foundation/NSXMLParser.h"
#include "tarnavel/platform/foundation/Value.h"

namespace tarnavel {

/// The reader's state for one conversion: it receives the parser's events and builds the tree with a stack
/// of open nodes. It is made shared, since the parser holds its delegate weakly.
class XMLTreeBuilder : public NSXMLParserDelegate, public std::enable_shared_from_this<XMLTreeBuilder> {
 public:
  /// Parses `data` and returns the root dictionary, or null with `*error` set (when `error` is not null)
  /// when the parse fails. Starts from fresh state on every call.
  Value objectWithData(std::span<const std::byte> data, NSXMLParser::Encoding encoding, std::string* error);

  void parserDidStartElement(NSXMLParser& parser, std::string_view elementName,
                             std::span<const NSXMLAttribute> attributes) override;
  void parserDidEndElement(NSXMLParser& parser, std::string_view elementName) override;
  void parserFoundCharacters(NSXMLParser& parser, std::string_view characters) override;

 private:
  void endTextRun();

  Value root_;
  // The open nodes, innermost last; element 0 is the root. An open node stays alive while it is open: its
  // entry in its parent is replaced only when a later sibling of the same name starts or the parent ends.
  std::vector<ValueDictionary*> dictionaryStack_;
  // Text collected since the last element end that stored text, already trimmed run by run; moved into the
  // node that ends next.
  std::string textInProgress_;
  // The character data received since the last tag, trimmed as a whole when the next tag arrives.
  std::string textRun_;
};

}  // namespace tarnavel
