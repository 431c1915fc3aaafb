// Documents given as bytes in UTF-16 or ISO-8859-1, and strings whose declaration names another encoding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "XMLTestSupport.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

using tarnavel::Value;
using tarnavel::XMLReader;
using xmltest::dict;

enum class ByteOrder { Little, Big };

std::vector<std::uint8_t> utf16(std::u16string_view text, ByteOrder order, bool withMark) {
  std::vector<std::uint8_t> bytes;
  auto put = [&](char16_t unit) {
    const std::uint8_t pair[] = {static_cast<std::uint8_t>(unit >> 8),
                                 static_cast<std::uint8_t>(unit & 0xFF)};
    bytes.push_back(pair[order == ByteOrder::Little ? 1 : 0]);
    bytes.push_back(pair[order == ByteOrder::Little ? 0 : 1]);
  };
  if (withMark) put(u'\uFEFF');
  for (char16_t unit : text)
    put(unit);
  return bytes;
}

// Attribute é and text ü€𝄞 (the last outside the basic plane), as UTF-8.
const Value kExpected =
    dict({{"a", dict({{"n", "\xC3\xA9"}, {"text", "\xC3\xBC\xE2\x82\xAC\xF0\x9D\x84\x9E"}})}});

TEST(XMLReaderEncoding, Utf16InBothByteOrdersAndUtf8WithOrWithoutAMark) {
  const std::u16string declared =
      u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<a n=\"\u00E9\"> \u00FC\u20AC\U0001D11E </a>";
  const std::u16string bare = u"<a n=\"\u00E9\">\u00FC\u20AC\U0001D11E</a>";
  // With a byte order mark and a declaration, with the mark only, and with the declaration only.
  const std::pair<std::u16string_view, bool> forms[] = {{declared, true}, {bare, true}, {declared, false}};
  for (const ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
    for (const auto& [text, withMark] : forms) {
      std::string error;
      EXPECT_EQ(XMLReader::dataToDictionary(utf16(text, order, withMark), &error), kExpected)
          << error << (order == ByteOrder::Big ? " big" : " little") << " endian, mark " << withMark;
    }
  }
  // A UTF-8 byte order mark is skipped; a string is text already decoded, whatever its declaration says.
  const std::string_view utf8 = "<a n=\"\xC3\xA9\">\xC3\xBC\xE2\x82\xAC\xF0\x9D\x84\x9E</a>";
  const std::string marked = "\xEF\xBB\xBF" + std::string(utf8);
  EXPECT_EQ(XMLReader::dataToDictionary(std::as_bytes(std::span(marked))), kExpected);
  EXPECT_EQ(XMLReader::XMLtoDictionary("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + std::string(utf8)),
            kExpected);
}

// A document in `encoding` holding `text` in an attribute, as a child's text and as the document element's
// text.
std::string documentIn(std::string_view encoding, std::string_view text) {
  const std::string t(text);
  return "<?xml version=\"1.0\" encoding=\"" + std::string(encoding) + "\"?>\n<a n=\"" + t + "\"><b>" + t +
         "</b>" + t + "</a>";
}

TEST(XMLReaderEncoding, DeclaredEncodingsReadAsTheirUtf8Form) {
  const struct {
    const char* encoding;
    std::string_view bytes;
    std::string_view utf8;
  } cases[] = {
      // Cyrillic "Privet, mir" in two single-byte encodings.
      {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0",
       "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80"},
      {"KOI8-R", "\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2",
       "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80"},
      // Polish letters with ogonek, acute and dot above.
      {"ISO-8859-2", "\xAF\xF3\xB3w g\xEA\xB6", "\xC5\xBB\xC3\xB3\xC5\x82w g\xC4\x99\xC5\x9B"},
      // Japanese in a multi-byte encoding whose second bytes may be ASCII letters and backslashes.
      {"Shift_JIS", "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67\x95\x5C",
       "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88"
       "\xE8\xA1\xA8"},
      {"windows-1252", "\x80 caf\xE9", "\xE2\x82\xAC caf\xC3\xA9"},
      {"latin1", "caf\xE9", "caf\xC3\xA9"},
      {"IBM866", "\xF0\xA6", "\xD0\x81\xD0\xB6"},
      {"UTF-8", "caf\xC3\xA9", "caf\xC3\xA9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.encoding);
    const std::string utf8(c.utf8);
    const Value expected = dict({{"a", dict({{"n", utf8}, {"text", utf8}, {"b", dict({{"text", utf8}})}})}});
    std::string error;
    const std::string encoded = documentIn(c.encoding, c.bytes);
    EXPECT_EQ(XMLReader::dataToDictionary(std::as_bytes(std::span(encoded)), &error), expected) << error;
    EXPECT_EQ(XMLReader::XMLtoDictionary(documentIn(c.encoding, c.utf8), &error), expected) << error;
  }
}

TEST(XMLReaderEncoding, UnreadableEncodingsFailNamingTheEncoding) {
  const struct {
    std::string document;
    const char* error;
  } cases[] = {
      {"<a>\xC3</a>", "line 1, column 4: not well-formed (invalid token)"},
      {documentIn("x-no-such-encoding", "x"), "line 1, column 31: unknown encoding \"x-no-such-encoding\""},
      // A byte that ISO-8859-7 leaves undefined, and a Shift_JIS lead byte without its second byte.
      {documentIn("ISO-8859-7", "ok\xD2"), "line 2, column 9: not well-formed (invalid token)"},
      {documentIn("Shift_JIS", "ok\x93"), "line 2, column 9: bytes not valid in encoding \"Shift_JIS\""},
      // Half a surrogate pair, which UTF-7 can spell but no UTF-8 text can hold.
      {documentIn("UTF-7", "ok+2AA-"), "line 2, column 9: bytes not valid in encoding \"UTF-7\""},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_TRUE(XMLReader::dataToDictionary(std::as_bytes(std::span(c.document)), &error).isNull());
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
