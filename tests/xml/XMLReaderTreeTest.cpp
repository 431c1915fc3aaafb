// How elements, attributes, repeated children and text land in the reader's dictionaries.
#include <gtest/gtest.h>

#include <string>

#include "XMLTestSupport.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

using tarnavel::Value;
using tarnavel::XMLReader;
using xmltest::dict;
using xmltest::list;

TEST(XMLReaderTree, ElementsAttributesAndRepeatedNames) {
  const struct {
    const char* name;
    const char* xml;
    Value expected;
  } cases[] = {
      {"attribute and two children with text", R"(<a x="1"><b>t</b><b>u</b></a>)",
       dict({{"a", dict({{"x", "1"}, {"b", list({dict({{"text", "t"}}), dict({{"text", "u"}})})}})}})},
      {"text before a child goes to the child", "<a>p<b>q</b></a>",
       dict({{"a", dict({{"b", dict({{"text", "pq"}})}})}})},
      {"text after a child stays with the parent", "<a><b>q</b>r</a>",
       dict({{"a", dict({{"b", dict({{"text", "q"}})}, {"text", "r"}})}})},
      {"runs around children are joined without spaces", "<a> p <b> q </b> r <c/> s </a>",
       dict({{"a", dict({{"b", dict({{"text", "pq"}})}, {"c", dict({{"text", "r"}})}, {"text", "s"}})}})},
      {"attribute value first, then every child of its name", R"(<a b="1"><b>x</b><b>y</b></a>)",
       dict({{"a", dict({{"b", list({"1", dict({{"text", "x"}}), dict({{"text", "y"}})})}})}})},
      {"attribute and empty child of one name", R"(<a b="1"><b/></a>)",
       dict({{"a", dict({{"b", list({"1", dict()})}})}})},
      {"text replaces an attribute named text", R"(<a text="x">y</a>)", dict({{"a", dict({{"text", "y"}})}})},
      {"attribute named text kept when there is no text", R"(<a text="x"/>)",
       dict({{"a", dict({{"text", "x"}})}})},
      {"text replaces a child named text", "<a><text>t</text>u</a>", dict({{"a", dict({{"text", "u"}})}})},
      {"indentation leaves no trace", "<a>\n  <b/>\n</a>", dict({{"a", dict({{"b", dict()}})}})},
      {"three empty children", "<a><b/><b/><b/></a>",
       dict({{"a", dict({{"b", list({dict(), dict(), dict()})}})}})},
      {"later repeats append in document order, single names stay unwrapped",
       R"(<a><b i="1"/><c/><b i="2"/><b i="3"/></a>)",
       dict({{"a", dict({{"b", list({dict({{"i", "1"}}), dict({{"i", "2"}}), dict({{"i", "3"}})})},
                         {"c", dict()}})}})},
      {"prefixed names kept, xmlns a plain attribute",
       R"(<x:root xmlns:x="urn:x" x:id="7"><x:item>v</x:item><item>w</item></x:root>)",
       dict({{"x:root", dict({{"xmlns:x", "urn:x"},
                              {"x:id", "7"},
                              {"x:item", dict({{"text", "v"}})},
                              {"item", dict({{"text", "w"}})}})}})},
      {"nesting, escapes and a default namespace", R"(<r xmlns="urn:d"><s><t k="&lt;&amp;&quot;"/></s></r>)",
       dict({{"r", dict({{"xmlns", "urn:d"}, {"s", dict({{"t", dict({{"k", "<&\""}})}})}})}})},
      {"repeated names at different depths stay apart", "<a><b><b/></b><b/></a>",
       dict({{"a", dict({{"b", list({dict({{"b", dict()}}), dict()})}})}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error = "earlier";
    EXPECT_EQ(XMLReader::XMLtoDictionary(c.xml, &error), c.expected) << error;
    EXPECT_EQ(error, "earlier");  // success leaves the caller's error slot alone
  }
}

TEST(XMLReaderTree, EachRunOfTextIsTrimmedOnceAsAWhole) {
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
  for (const auto& c : cases) {
    std::string error;
    const Value result = XMLReader::XMLtoDictionary(c.xml, &error);
    ASSERT_TRUE(result.isDictionary()) << c.xml << ": " << error;
    const Value text = result.objectForKey("a").objectForKey("text");
    EXPECT_EQ(text.isNull() ? "(none)" : text.string(), c.text) << c.xml;
  }
}

}  // namespace
