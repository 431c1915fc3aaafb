// Documents the reader refuses, and the hostile ones it must survive without loading, hanging or ballooning.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "XMLTestSupport.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

using tarnavel::Value;
using tarnavel::XMLReader;
using xmltest::dict;

TEST(XMLReaderFailure, BadInputGivesNullAndAPositionedMessage) {
  const struct {
    const char* xml;
    const char* error;
  } cases[] = {
      {"<a><b></a>", "line 1, column 9: mismatched tag"},
      {"<a>\n  <b>\n</a>", "line 3, column 3: mismatched tag"},
      {"<a><b>text", "line 1, column 11: no element found"},
      {"<a x=1/>", "line 1, column 6: not well-formed (invalid token)"},
      {"<a/><b/>", "line 1, column 5: junk after document element"},
      {"<a>&undefined;</a>", "line 1, column 4: undefined entity"},
      {"", "line 1, column 1: no element found"},
      {"  \n ", "line 2, column 2: no element found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xml);
    std::string error = "earlier";
    EXPECT_TRUE(XMLReader::XMLtoDictionary(c.xml, &error).isNull());
    EXPECT_EQ(error, c.error);
    error = "earlier";
    EXPECT_TRUE(
        XMLReader::dataToDictionary(std::as_bytes(std::span(std::string_view(c.xml))), &error).isNull());
    EXPECT_EQ(error, c.error);
  }
  std::string error;
  EXPECT_TRUE(XMLReader::XMLtoDictionary(std::nullopt, &error).isNull());
  EXPECT_EQ(error, "line 1, column 1: no element found");
  EXPECT_TRUE(XMLReader::dataToDictionary(std::span<const std::uint8_t>()).isNull());
}

std::string laughs(const std::string& use) {
  std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol0 \"lol\">\n";
  for (int level = 1; level <= 9; ++level) {
    xml += "<!ENTITY lol" + std::to_string(level) + " \"";
    for (int i = 0; i < 10; ++i)
      xml += "&lol" + std::to_string(level - 1) + ";";
    xml += "\">\n";
  }
  return xml + "]>\n" + use;
}

TEST(XMLReaderFailure, EntityAmplificationIsRefused) {
  for (const std::string& use : {std::string("<lolz>&lol9;</lolz>"), std::string("<lolz a=\"&lol9;\"/>")}) {
    SCOPED_TRACE(use);
    std::string error;
    EXPECT_TRUE(XMLReader::XMLtoDictionary(laughs(use), &error).isNull());
    EXPECT_NE(error.find("amplification"), std::string::npos) << error;
  }
  // Modest expansion stays legal.
  const Value small = XMLReader::XMLtoDictionary(laughs("<lolz>&lol2;</lolz>"));
  std::string hundred;
  for (int i = 0; i < 100; ++i)
    hundred += "lol";
  EXPECT_EQ(small, dict({{"lolz", dict({{"text", hundred}})}}));
}

// Entities e0 to e`last`, each but the first referring to the one before, declared in order or in reverse,
// then `extra` declarations, and `body` as the document element.
std::string entityChain(int last, bool reversed, const std::string& body, const std::string& extra = "") {
  std::string declarations;
  for (int i = 0; i <= last; ++i) {
    const int n = reversed ? last - i : i;
    declarations += "<!ENTITY e" + std::to_string(n) + " \"" +
                    (n == 0 ? std::string("x") : "&e" + std::to_string(n - 1) + ";") + "\">\n";
  }
  return "<!DOCTYPE a [\n" + declarations + extra + "]>\n" + body;
}

TEST(XMLReaderFailure, EntityChainsStopBeforeExpandingOnASmallStack) {
  // Expanding a chain of a few thousand entities by recursion overflows a 256 KiB stack.
  const struct {
    const char* name;
    std::string xml;
    const char* error;
  } cases[] = {
      {"used in text", entityChain(2000, false, "<a>&e2000;</a>"),
       "line 34, column 14: entity references nested deeper than 32"},
      {"used in an attribute", entityChain(2000, false, "<a x=\"&e2000;\"/>"),
       "line 34, column 14: entity references nested deeper than 32"},
      {"used in an attribute default", entityChain(2000, false, "<a/>", "<!ATTLIST a x CDATA \"&e2000;\">"),
       "line 34, column 14: entity references nested deeper than 32"},
      {"declared in reverse", entityChain(2000, true, "<a>&e2000;</a>"),
       "line 34, column 16: entity references nested deeper than 32"},
      {"referring in a cycle", "<!DOCTYPE a [<!ENTITY p \"&q;\"><!ENTITY q \"&p;\">]><a/>",
       "line 1, column 42: entity references nested deeper than 32"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    Value result = Value::newDictionary();
    ASSERT_TRUE(xmltest::runOnStack(256 * 1024, [&] { result = XMLReader::XMLtoDictionary(c.xml, &error); }));
    EXPECT_TRUE(result.isNull());
    EXPECT_EQ(error, c.error);
  }

  // Chains up to the bound expand, and many unrelated entities are fine up to the declaration limit.
  std::string error;
  const std::string deepest = entityChain(31, true, "<a n=\"&e31;\">&e31;</a>");
  EXPECT_EQ(XMLReader::XMLtoDictionary(deepest, &error), dict({{"a", dict({{"n", "x"}, {"text", "x"}})}}))
      << error;
  auto declaring = [](int count) {
    std::string xml = "<!DOCTYPE a [";
    for (int i = 0; i < count; ++i)
      xml += "<!ENTITY v" + std::to_string(i) + " \"" + std::to_string(i) + "\">";
    return xml + "]><a>&v0;</a>";
  };
  EXPECT_EQ(XMLReader::XMLtoDictionary(declaring(500), &error), dict({{"a", dict({{"text", "0"}})}}))
      << error;
  EXPECT_TRUE(XMLReader::XMLtoDictionary(declaring(501), &error).isNull());
  EXPECT_NE(error.find("more than 500 entities declared"), std::string::npos) << error;
}

TEST(XMLReaderFailure, ExternalEntitiesAndDtdsAreNeverRead) {
  const std::filesystem::path folder = std::filesystem::path(TARNAVEL_TEST_OUTPUT) / "external-entities";
  std::filesystem::create_directories(folder);
  const std::string secret = (folder / "secret.txt").string();
  const std::string dtd = (folder / "secret.dtd").string();
  std::ofstream(secret) << "SECRET-CONTENT";
  std::ofstream(dtd) << "<!ENTITY fromdtd \"SECRET-CONTENT\">";

  const std::string documents[] = {
      "<!DOCTYPE a [<!ENTITY ext SYSTEM \"file://" + secret + "\">]><a>&ext;</a>",
      "<!DOCTYPE a [<!ENTITY ext SYSTEM \"" + secret + "\">]><a>&ext;</a>",
      "<!DOCTYPE a SYSTEM \"file://" + dtd + "\"><a>&fromdtd;</a>",
      "<!DOCTYPE a [<!ENTITY % p SYSTEM \"file://" + dtd + "\"> %p;]><a>&fromdtd;</a>",
  };
  for (const std::string& xml : documents) {
    SCOPED_TRACE(xml);
    std::string error;
    EXPECT_EQ(XMLReader::XMLtoDictionary(xml, &error), dict({{"a", dict()}})) << error;
  }
}

std::string nested(int depth) {
  std::string xml;
  for (int i = 0; i < depth; ++i)
    xml += "<e>";
  for (int i = 0; i < depth; ++i)
    xml += "</e>";
  return xml;
}

TEST(XMLReaderFailure, NestingIsLimitedToAThousandElements) {
  std::string error;
  Value node = XMLReader::XMLtoDictionary(nested(1000), &error);
  ASSERT_TRUE(node.isDictionary()) << error;
  int depth = 0;
  while (node.count() > 0) {
    node = node.objectForKey("e");
    ++depth;
  }
  EXPECT_EQ(depth, 1000);

  EXPECT_TRUE(XMLReader::XMLtoDictionary(nested(1001), &error).isNull());
  EXPECT_EQ(error, "line 1, column 3001: elements nested deeper than 1000");
  EXPECT_TRUE(XMLReader::XMLtoDictionary(nested(100000)).isNull());
}

TEST(XMLReaderFailure, DeepTreeIsReleasedWithoutRecursion) {
  // A million levels, dictionaries holding arrays as the reader builds them: a recursive release would
  // overflow the stack.
  Value root = Value::newDictionary();
  Value node = root;
  for (int level = 0; level < 500'000; ++level) {
    Value child = Value::newDictionary();
    node.setObjectForKey("e", Value::newArray({child}));
    node = child;
  }
  node = Value();
  root = Value();
}

}  // namespace
