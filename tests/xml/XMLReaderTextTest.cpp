// How character data becomes an element's text: one trim per run between tags, whatever the parser's pieces.
#include <gtest/gtest.h>

#include <string>

#include "XMLTestSupport.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

using tarnavel::Value;
using tarnavel::XMLReader;
using xmltest::dict;

// The text of the document element `a`, or "(none)".
std::string textOf(const std::string& xml) {
  std::string error;
  const Value result = XMLReader::XMLtoDictionary(xml, &error);
  EXPECT_TRUE(result.isDictionary()) << xml << ": " << error;
  const Value text = result.objectForKey("a").objectForKey("text");
  return text.isNull() ? "(none)" : text.string();
}

TEST(XMLReaderText, RunIsTrimmedOnceAsAWhole) {
  const struct {
    const char* xml;
    const char* text;
  } cases[] = {
      {"<a>a &amp; b</a>", "a & b"},
      {"<a> x &lt; y </a>", "x < y"},
      {"<a>one two\n  three\n</a>", "one two\n  three"},
      {"<a>\r\n  first line \r\n  second line \r\n</a>", "first line \n  second line"},
      {"<a>&#32;x&#32;</a>", "x"},
      {"<a>&#160;\xE3\x80\x80x y\xC2\x85</a>", "x y"},
      // Line separator, paragraph separator, next line, no-break space and ideographic space: trimmed at
      // both ends, kept inside.
      {"<a>"
       "\xE2\x80\xA8\xE2\x80\xA9\xC2\x85\xC2\xA0\xE3\x80\x80x\xE2\x80\xA8\xE2\x80\xA9\xC2\x85\xC2\xA0\xE3\x80"
       "\x80y"
       "\xE3\x80\x80\xC2\xA0\xC2\x85\xE2\x80\xA9\xE2\x80\xA8</a>",
       "x\xE2\x80\xA8\xE2\x80\xA9\xC2\x85\xC2\xA0\xE3\x80\x80y"},
      {"<a>&#x2028;x&#x2029;</a>", "x"},
      {"<a> \n\t </a>", "(none)"},
      {"<a><![CDATA[ x < y ]]></a>", "x < y"},
      {"<a>p <![CDATA[q]]> r</a>", "p q r"},
      {"<a><![CDATA[  ]]></a>", "(none)"},
      {"<a>x <!-- note --> y</a>", "x  y"},
      {"<a>x<?step data?>y</a>", "xy"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(textOf(c.xml), c.text) << c.xml;
}

TEST(XMLReaderText, RunsAroundChildrenAreJoinedWithoutSpaces) {
  std::string error;
  const Value result = XMLReader::XMLtoDictionary("<a> p <b> q </b> r <c/> s </a>", &error);
  EXPECT_EQ(
      result,
      dict({{"a", dict({{"b", dict({{"text", "pq"}})}, {"c", dict({{"text", "r"}})}, {"text", "s"}})}}));
}

}  // namespace
