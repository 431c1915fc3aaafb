#include "tarnavel/platform/foundation/NSXMLParser.h"

#include <expat.h>

#include <algorithm>
#include <vector>

#include "tarnavel/platform/foundation/Format.h"

// Expat gained its protection against entity amplification in 2.4.0; older versions would let a small
// document expand into gigabytes.
static_assert(XML_MAJOR_VERSION > 2 || (XML_MAJOR_VERSION == 2 && XML_MINOR_VERSION >= 4),
              "expat 2.4.0 or later is needed for bounded entity expansion");

namespace tarnavel {

void NSXMLParserDelegate::parserDidStartElement(NSXMLParser&, std::string_view,
                                                std::span<const NSXMLAttribute>) {}
void NSXMLParserDelegate::parserDidEndElement(NSXMLParser&, std::string_view) {}
void NSXMLParserDelegate::parserFoundCharacters(NSXMLParser&, std::string_view) {}

// One run of expat over the document: the expat parser, the delegate held for the run, and the state the
// callbacks share.
class NSXMLParser::Session {
 public:
  Session(NSXMLParser& owner, std::shared_ptr<NSXMLParserDelegate> delegate)
      : owner_(owner), delegate_(std::move(delegate)) {
    expat_ = XML_ParserCreate(owner.encoding_ == Encoding::UTF8 ? "UTF-8" : nullptr);
    if (expat_ == nullptr) return;
    XML_SetUserData(expat_, this);
    XML_SetElementHandler(expat_, &Session::startElement, &Session::endElement);
    XML_SetCharacterDataHandler(expat_, &Session::characterData);
    // Parameter entities and the external DTD subset are never read; with no external entity handler
    // set, a reference to an external general entity is skipped rather than loaded.
    XML_SetParamEntityParsing(expat_, XML_PARAM_ENTITY_PARSING_NEVER);
  }
  ~Session() {
    if (expat_ != nullptr) XML_ParserFree(expat_);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  bool run(std::span<const std::byte> data) {
    if (expat_ == nullptr) {
      owner_.error_ = "line 1, column 1: out of memory";
      return false;
    }
    // Expat takes a length of type int, so a document is fed in pieces that fit one.
    constexpr std::size_t kPiece = std::size_t{1} << 30;
    do {
      const std::size_t length = std::min(data.size(), kPiece);
      const bool last = length == data.size();
      const auto* bytes = reinterpret_cast<const char*>(data.data());
      if (XML_Parse(expat_, bytes, static_cast<int>(length), last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK) {
        if (owner_.error_.empty()) fail(XML_ErrorString(XML_GetErrorCode(expat_)));
        return false;
      }
      data = data.subspan(length);
    } while (!data.empty());
    return true;
  }

 private:
  static Session& from(void* userData) { return *static_cast<Session*>(userData); }

  static void startElement(void* userData, const XML_Char* name, const XML_Char** attributes) {
    Session& self = from(userData);
    if (self.stopped_) return;
    if (++self.depth_ > kMaximumDepth) {
      self.stop("elements nested deeper than " + formatInteger(kMaximumDepth));
      return;
    }
    self.attributes_.clear();
    for (const XML_Char** a = attributes; a[0] != nullptr && a[1] != nullptr; a += 2) {
      self.attributes_.push_back({std::string_view(a[0]), std::string_view(a[1])});
    }
    if (self.delegate_) self.delegate_->parserDidStartElement(self.owner_, name, self.attributes_);
  }

  static void endElement(void* userData, const XML_Char* name) {
    Session& self = from(userData);
    if (self.stopped_) return;
    --self.depth_;
    if (self.delegate_) self.delegate_->parserDidEndElement(self.owner_, name);
  }

  static void characterData(void* userData, const XML_Char* text, int length) {
    Session& self = from(userData);
    if (self.stopped_ || !self.delegate_ || length <= 0) return;
    self.delegate_->parserFoundCharacters(self.owner_,
                                          std::string_view(text, static_cast<std::size_t>(length)));
  }

  // Records a fault found by this parser itself and makes expat end the parse with an error.
  void stop(const std::string& reason) {
    fail(reason);
    stopped_ = true;
    XML_StopParser(expat_, XML_FALSE);
  }

  void fail(const std::string& reason) {
    // Expat counts lines from 1 and columns from 0.
    const auto line = static_cast<long long>(XML_GetCurrentLineNumber(expat_));
    const auto column = static_cast<long long>(XML_GetCurrentColumnNumber(expat_)) + 1;
    owner_.error_ = "line " + formatInteger(line) + ", column " + formatInteger(column) + ": " + reason;
  }

  NSXMLParser& owner_;
  std::shared_ptr<NSXMLParserDelegate> delegate_;
  XML_Parser expat_ = nullptr;
  std::vector<NSXMLAttribute> attributes_;
  int depth_ = 0;
  bool stopped_ = false;
};

NSXMLParser::NSXMLParser(std::span<const std::byte> data, Encoding encoding)
    : data_(data), encoding_(encoding) {}

NSXMLParser::~NSXMLParser() = default;

bool NSXMLParser::parse() {
  error_.clear();
  Session session(*this, delegate_.lock());
  return session.run(data_);
}

}  // namespace tarnavel
