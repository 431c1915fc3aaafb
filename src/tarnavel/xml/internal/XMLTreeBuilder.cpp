#include "tarnavel/xml/internal/XMLTreeBuilder.h"

#include <memory>
#include <utility>

#include "tarnavel/platform/foundation/NSCharacterSet.h"
#include "tarnavel/xml/XMLReader.h"

namespace tarnavel {

namespace {

// Adds `node` under `name`: alone the first time, and in an array of the nodes (after any attribute value
// of that name) from the second time on.
void addChild(ValueDictionary& parent, std::string_view name, Value node) {
  const auto found = parent.lower_bound(name);
  if (found == parent.end() || found->first != name) {
    parent.emplace_hint(found, std::string(name), std::move(node));
    return;
  }
  Value& existing = found->second;
  if (existing.isArray()) {
    existing.append(std::move(node));
    return;
  }
  ValueArray pair;
  pair.reserve(2);
  pair.push_back(std::move(existing));
  pair.push_back(std::move(node));
  existing = Value::newArray(std::move(pair));
}

}  // namespace

Value XMLTreeBuilder::objectWithData(std::span<const std::byte> data, NSXMLParser::Encoding encoding,
                                     std::string* error) {
  root_ = Value::newDictionary();
  dictionaryStack_.assign(1, &root_.dictionary());
  textInProgress_.clear();
  textRun_.clear();

  NSXMLParser parser(data, encoding);
  parser.setDelegate(weak_from_this());
  const bool parsed = parser.parse();
  dictionaryStack_.clear();
  if (!parsed) {
    if (error != nullptr) *error = parser.parserError();
    root_ = Value();
  }
  return std::exchange(root_, Value());
}

void XMLTreeBuilder::parserDidStartElement(NSXMLParser&, std::string_view elementName,
                                           std::span<const NSXMLAttribute> attributes) {
  endTextRun();
  Value node = Value::newDictionary();
  ValueDictionary& entries = node.dictionary();
  for (const NSXMLAttribute& attribute : attributes) {
    entries.emplace(std::string(attribute.name), Value(attribute.value));
  }
  addChild(*dictionaryStack_.back(), elementName, std::move(node));
  dictionaryStack_.push_back(&entries);
}

void XMLTreeBuilder::parserDidEndElement(NSXMLParser&, std::string_view) {
  endTextRun();
  if (!textInProgress_.empty()) {
    dictionaryStack_.back()->insert_or_assign(std::string(kXMLReaderTextNodeKey),
                                              Value(std::move(textInProgress_)));
    textInProgress_.clear();
  }
  // The root is never popped: the parser reports no end without a matching start.
  if (dictionaryStack_.size() > 1) dictionaryStack_.pop_back();
}

void XMLTreeBuilder::parserFoundCharacters(NSXMLParser&, std::string_view characters) {
  textRun_.append(characters);
}

// Trims the run of character data since the last tag as a whole, so that the result does not depend on where
// the parser split it, and adds it to the text in progress. A run that starts a text keeps its own buffer,
// cut in place, so that each text is built once and later moved into its node.
void XMLTreeBuilder::endTextRun() {
  if (textRun_.empty()) return;
  const std::string_view trimmed = trimWhitespaceAndNewlines(textRun_);
  if (!textInProgress_.empty() || trimmed.empty()) {
    textInProgress_.append(trimmed);
    textRun_.clear();
    return;
  }
  const std::size_t start = static_cast<std::size_t>(trimmed.data() - textRun_.data());
  textRun_.resize(start + trimmed.size());
  textRun_.erase(0, start);
  textInProgress_.swap(textRun_);
  textRun_.clear();
}

}  // namespace tarnavel
