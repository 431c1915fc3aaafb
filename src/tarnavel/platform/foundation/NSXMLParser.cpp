#include "tarnavel/platform/foundation/NSXMLParser.h"

#include <expat.h>

#include <algorithm>
#include <vector>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/internal/ICUEncoding.h"
#include "tarnavel/platform/internal/XMLEntityGraph.h"

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
  // `forcedEncoding` is "UTF-8" to read the bytes as UTF-8 whatever the document declares, or null to take
  // the encoding from the document.
  Session(NSXMLParser& owner, std::shared_ptr<NSXMLParserDelegate> delegate, const char* forcedEncoding)
      : owner_(owner), delegate_(std::move(delegate)) {
    expat_ = XML_ParserCreate(forcedEncoding);
    if (expat_ == nullptr) return;
    XML_SetUserData(expat_, this);
    XML_SetElementHandler(expat_, &Session::startElement, &Session::endElement);
    XML_SetCharacterDataHandler(expat_, &Session::characterData);
    XML_SetEntityDeclHandler(expat_, &Session::entityDeclaration);
    XML_SetUnknownEncodingHandler(expat_, &Session::unknownEncoding, this);
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
        if (owner_.error_.empty()) failWithExpatError();
        return false;
      }
      data = data.subspan(length);
    } while (!data.empty());
    return true;
  }

  // After a failed run: the encoding the document declared when ICU, not expat, can read it; empty otherwise.
  const std::string& encodingToConvert() const { return encodingToConvert_; }

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

  // Every general entity declaration is checked before the parser can expand the entity: expat expands
  // entities by recursion, so a long chain of entities referring to one another would exhaust the stack.
  static void entityDeclaration(void* userData, const XML_Char* name, int isParameterEntity,
                                const XML_Char* value, int valueLength, const XML_Char*, const XML_Char*,
                                const XML_Char*, const XML_Char*) {
    Session& self = from(userData);
    if (self.stopped_ || isParameterEntity) return;
    const std::string_view text =
        value != nullptr ? std::string_view(value, static_cast<std::size_t>(std::max(valueLength, 0)))
                         : std::string_view();
    const int depth = self.entities_.declare(name, text, kMaximumEntityDepth);
    if (self.entities_.count() > static_cast<std::size_t>(kMaximumEntities)) {
      self.stop("more than " + formatInteger(kMaximumEntities) + " entities declared");
    } else if (depth > kMaximumEntityDepth) {
      self.stop("entity references nested deeper than " + formatInteger(kMaximumEntityDepth));
    }
  }

  // Expat reads UTF-8, UTF-16, ISO-8859-1 and US-ASCII itself. A single-byte encoding that ICU knows is
  // handed to expat as a table; any other encoding ICU knows fails this run, and the parser reads the
  // document again once ICU has converted it to UTF-8.
  static int unknownEncoding(void* handlerData, const XML_Char* name, XML_Encoding* info) {
    Session& self = *static_cast<Session*>(handlerData);
    self.declaredEncoding_ = name;
    if (const auto table = singleByteTable(name)) {
      std::copy(table->begin(), table->end(), info->map);
      info->data = nullptr;
      info->convert = nullptr;
      info->release = nullptr;
      return XML_STATUS_OK;
    }
    return XML_STATUS_ERROR;
  }

  void failWithExpatError() {
    const XML_Error code = XML_GetErrorCode(expat_);
    std::string reason = XML_ErrorString(code);
    if (code == XML_ERROR_UNKNOWN_ENCODING && !declaredEncoding_.empty()) {
      if (isEncodingKnownToICU(declaredEncoding_)) encodingToConvert_ = declaredEncoding_;
      reason += " \"" + declaredEncoding_ + "\"";
    }
    fail(reason);
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
  XMLEntityGraph entities_;
  std::string declaredEncoding_;
  std::string encodingToConvert_;
};

NSXMLParser::NSXMLParser(std::span<const std::byte> data, Encoding encoding)
    : data_(data), encoding_(encoding) {}

NSXMLParser::~NSXMLParser() = default;

bool NSXMLParser::parse() {
  error_.clear();
  const std::shared_ptr<NSXMLParserDelegate> delegate = delegate_.lock();
  std::string encoding;
  {
    Session session(*this, delegate, encoding_ == Encoding::UTF8 ? "UTF-8" : nullptr);
    if (session.run(data_)) return true;
    encoding = session.encodingToConvert();
  }
  if (encoding.empty()) return false;
  // The run ended at the XML declaration, before any event reached the delegate.
  UTF8Conversion converted = convertToUTF8(data_, encoding);
  if (!converted.error.empty()) {
    error_ = std::move(converted.error);
    return false;
  }
  error_.clear();
  Session session(*this, delegate, "UTF-8");
  return session.run(std::as_bytes(std::span(converted.text)));
}

}  // namespace tarnavel
