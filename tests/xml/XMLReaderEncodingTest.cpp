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
    const auto high = static_cast<std::uint8_t>(unit >> 8);
    const auto low = static_cast<std::uint8_t>(unit & 0xFF);
    bytes.push_back(order == ByteOrder::Little ? low : high);
    bytes.push_back(order == ByteOrder::Little ? high : low);
  };
  if (withMark) put(u'\uFEFF');
  for (char16_t unit : text)
    put(unit);
  return bytes;
}

// Attribute é and text ü€𝄞 (the last outside the basic plane), as UTF-8.
const Value kExpected =
    dict({{"a", dict({{"n", "\xC3\xA9"}, {"text", "\xC3\xBC\xE2\x82\xAC\xF0\x9D\x84\x9E"}})}});

TEST(XMLReaderEncoding, Utf16InBothByteOrders) {
  const std::u16string declared =
      u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<a n=\"\u00E9\"> \u00FC\u20AC\U0001D11E </a>";
  const std::u16string bare = u"<a n=\"\u00E9\">\u00FC\u20AC\U0001D11E</a>";
  const struct {
    const char* name;
    std::u16string_view text;
    ByteOrder order;
    bool withMark;
  } cases[] = {
      {"little endian, mark and declaration", declared, ByteOrder::Little, true},
      {"big endian, mark and declaration", declared, ByteOrder::Big, true},
      {"little endian, mark only", bare, ByteOrder::Little, true},
      {"big endian, mark only", bare, ByteOrder::Big, true},
      {"little endian, declaration only", declared, ByteOrder::Little, false},
      {"big endian, declaration only", declared, ByteOrder::Big, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_EQ(XMLReader::dataToDictionary(utf16(c.text, c.order, c.withMark), &error), kExpected) << error;
  }
}

TEST(XMLReaderEncoding, Latin1AndUtf8Bytes) {
  const std::string latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a n=\"\xE9\">\xFC\xA4</a>";
  const std::string utf8Mark = "\xEF\xBB\xBF<a n=\"\xC3\xA9\">\xC3\xBC</a>";
  std::string error;
  EXPECT_EQ(XMLReader::dataToDictionary(std::as_bytes(std::span(latin1)), &error),
            dict({{"a", dict({{"n", "\xC3\xA9"}, {"text", "\xC3\xBC\xC2\xA4"}})}}))
      << error;
  EXPECT_EQ(XMLReader::dataToDictionary(std::as_bytes(std::span(utf8Mark)), &error),
            dict({{"a", dict({{"n", "\xC3\xA9"}, {"text", "\xC3\xBC"}})}}))
      << error;
}

TEST(XMLReaderEncoding, UnsupportedOrBrokenEncodingsFail) {
  const std::string koi8 = "<?xml version=\"1.0\" encoding=\"KOI8-R\"?><a/>";
  const std::string badUtf8 = "<a>\xC3</a>";
  std::string error;
  EXPECT_TRUE(XMLReader::dataToDictionary(std::as_bytes(std::span(koi8)), &error).isNull());
  EXPECT_EQ(error, "line 1, column 31: unknown encoding");
  EXPECT_TRUE(XMLReader::dataToDictionary(std::as_bytes(std::span(badUtf8)), &error).isNull());
  EXPECT_EQ(error, "line 1, column 4: not well-formed (invalid token)");
}

TEST(XMLReaderEncoding, StringIsReadAsUtf8WhateverItsDeclarationSays) {
  // A string is text already decoded; a declaration left over from its file must not re-decode it.
  for (const char* encoding : {"ISO-8859-1", "UTF-16", "UTF-8"}) {
    SCOPED_TRACE(encoding);
    const std::string xml =
        std::string("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?><a n=\"\xC3\xA9\">\xC3\xBC</a>";
    std::string error;
    EXPECT_EQ(XMLReader::XMLtoDictionary(xml, &error),
              dict({{"a", dict({{"n", "\xC3\xA9"}, {"text", "\xC3\xBC"}})}}))
        << error;
  }
}

}  // namespace
