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

// Attribute é and text ü, as UTF-8.
const Value kShort = dict({{"a", dict({{"n", "\xC3\xA9"}, {"text", "\xC3\xBC"}})}});

TEST(XMLReaderEncoding, SingleByteDocuments) {
  const struct {
    std::string_view bytes;
    Value expected;
    const char* error;
  } cases[] = {
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a n=\"\xE9\">\xFC</a>", kShort, ""},
      {"\xEF\xBB\xBF<a n=\"\xC3\xA9\">\xC3\xBC</a>", kShort, ""},
      {"<?xml version=\"1.0\" encoding=\"KOI8-R\"?><a/>", Value(), "line 1, column 31: unknown encoding"},
      {"<a>\xC3</a>", Value(), "line 1, column 4: not well-formed (invalid token)"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_EQ(XMLReader::dataToDictionary(std::as_bytes(std::span(c.bytes)), &error), c.expected) << c.bytes;
    EXPECT_EQ(error, c.error);
  }
}

TEST(XMLReaderEncoding, StringIsReadAsUtf8WhateverItsDeclarationSays) {
  // A string is text already decoded; a declaration left over from its file must not decode it again.
  for (const std::string encoding : {"ISO-8859-1", "UTF-16", "UTF-8"}) {
    std::string error;
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?><a n=\"\xC3\xA9\">\xC3\xBC</a>";
    EXPECT_EQ(XMLReader::XMLtoDictionary(xml, &error), kShort) << encoding << ": " << error;
  }
}

}  // namespace
