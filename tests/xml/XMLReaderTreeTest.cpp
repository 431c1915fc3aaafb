// How elements, attributes, repeated children and text land in the reader's dictionaries.
#include <gtest/gtest.h>

#include "XMLTestSupport.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

using tarnavel::Value;
using tarnavel::XMLReader;
using xmltest::dict;
using xmltest::list;

struct TreeCase {
  const char* name;
  const char* xml;
  Value expected;
};

void expectTrees(const std::vector<TreeCase>& cases) {
  for (const TreeCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    const Value result = XMLReader::XMLtoDictionary(c.xml, &error);
    EXPECT_EQ(result, c.expected) << error;
  }
}

TEST(XMLReaderTree, DocumentedExamples) {
  expectTrees({
      {"attribute and two children with text", R"(<a x="1"><b>t</b><b>u</b></a>)",
       dict({{"a", dict({{"x", "1"}, {"b", list({dict({{"text", "t"}}), dict({{"text", "u"}})})}})}})},
      {"text before a child goes to the child", "<a>p<b>q</b></a>",
       dict({{"a", dict({{"b", dict({{"text", "pq"}})}})}})},
      {"text after a child stays with the parent", "<a><b>q</b>r</a>",
       dict({{"a", dict({{"b", dict({{"text", "q"}})}, {"text", "r"}})}})},
      {"attribute and child of one name", R"(<a b="1"><b/></a>)",
       dict({{"a", dict({{"b", list({"1", dict()})}})}})},
      {"text replaces an attribute named text", R"(<a text="x">y</a>)", dict({{"a", dict({{"text", "y"}})}})},
      {"text replaces a child named text", "<a><text>t</text>u</a>", dict({{"a", dict({{"text", "u"}})}})},
      {"indentation leaves no trace", "<a>\n  <b/>\n</a>", dict({{"a", dict({{"b", dict()}})}})},
      {"three empty children", "<a><b/><b/><b/></a>",
       dict({{"a", dict({{"b", list({dict(), dict(), dict()})}})}})},
  });
}

TEST(XMLReaderTree, ElementsAndAttributes) {
  expectTrees({
      {"empty document element", "<a/>", dict({{"a", dict()}})},
      {"attribute named text kept when there is no text", R"(<a text="x"/>)",
       dict({{"a", dict({{"text", "x"}})}})},
      {"later repeats append in document order, single names stay unwrapped",
       R"(<a><b i="1"/><c/><b i="2"/><b i="3"/><b i="4"/></a>)",
       dict({{"a", dict({{"b", list({dict({{"i", "1"}}), dict({{"i", "2"}}), dict({{"i", "3"}}),
                                     dict({{"i", "4"}})})},
                         {"c", dict()}})}})},
      {"attribute value first, then every child of its name", R"(<a b="1"><b>x</b><b>y</b></a>)",
       dict({{"a", dict({{"b", list({"1", dict({{"text", "x"}}), dict({{"text", "y"}})})}})}})},
      {"prefixed names kept, xmlns a plain attribute",
       R"(<x:root xmlns:x="urn:x" x:id="7"><x:item>v</x:item><item>w</item></x:root>)",
       dict({{"x:root", dict({{"xmlns:x", "urn:x"},
                              {"x:id", "7"},
                              {"x:item", dict({{"text", "v"}})},
                              {"item", dict({{"text", "w"}})}})}})},
      {"nesting and a default namespace", R"(<r xmlns="urn:d"><s><t k="&lt;&amp;&quot;"/></s></r>)",
       dict({{"r", dict({{"xmlns", "urn:d"}, {"s", dict({{"t", dict({{"k", "<&\""}})}})}})}})},
      {"repeated names at different depths stay apart", "<a><b><b/></b><b/></a>",
       dict({{"a", dict({{"b", list({dict({{"b", dict()}}), dict()})}})}})},
  });
}

}  // namespace
