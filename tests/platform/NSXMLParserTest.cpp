// The events the XML parser reports, and how it stops.
#include "tarnavel/platform/NSXMLParser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using tarnavel::NSXMLAttribute;
using tarnavel::NSXMLParser;
using tarnavel::NSXMLParserDelegate;

// Records events as text; pieces of character data in a row are joined into one "text" event.
class Recorder : public NSXMLParserDelegate {
 public:
  void parserDidStartElement(NSXMLParser&, std::string_view name,
                             std::span<const NSXMLAttribute> attributes) override {
    std::string event = "start " + std::string(name);
    for (const NSXMLAttribute& a : attributes)
      event += " " + std::string(a.name) + "=" + std::string(a.value);
    events.push_back(event);
  }
  void parserDidEndElement(NSXMLParser&, std::string_view name) override {
    events.push_back("end " + std::string(name));
  }
  void parserFoundCharacters(NSXMLParser&, std::string_view text) override {
    if (events.empty() || !events.back().starts_with("text ")) events.push_back("text ");
    events.back() += text;
  }
  std::vector<std::string> events;
};

std::span<const std::byte> bytesOf(std::string_view text) {
  return std::as_bytes(std::span(text));
}

TEST(NSXMLParser, ReportsElementsAttributesAndCharacterData) {
  const std::string xml =
      R"(<?xml version="1.0"?><!-- c --><p:a xmlns:p="urn:p" z="1" p:y="2">t &amp; <![CDATA[<c>]]><b/><?pi x?></p:a>)";
  NSXMLParser parser(bytesOf(xml));
  auto recorder = std::make_shared<Recorder>();
  parser.setDelegate(recorder);
  EXPECT_TRUE(parser.parse());
  EXPECT_EQ(parser.parserError(), "");
  EXPECT_EQ(recorder->events, (std::vector<std::string>{"start p:a xmlns:p=urn:p z=1 p:y=2", "text t & <c>",
                                                        "start b", "end b", "end p:a"}));
}

TEST(NSXMLParser, StopsAtTheDepthLimitWithoutFurtherEvents) {
  // Each element e holds an empty element x and the next e; the x inside the thousandth e is one level too
  // deep.
  std::string xml;
  for (int i = 0; i < NSXMLParser::kMaximumDepth; ++i)
    xml += "<e><x/>";
  NSXMLParser parser(bytesOf(xml));
  auto recorder = std::make_shared<Recorder>();
  parser.setDelegate(recorder);
  EXPECT_FALSE(parser.parse());
  EXPECT_EQ(parser.parserError(), "line 1, column 6997: elements nested deeper than 1000");
  ASSERT_EQ(recorder->events.size(), 3u * NSXMLParser::kMaximumDepth - 2);
  EXPECT_EQ(recorder->events.back(), "start e");
}

TEST(NSXMLParser, ParsesWithoutADelegateOrAfterItIsReleased) {
  NSXMLParser parser(bytesOf("<a><b/></a>"));
  EXPECT_TRUE(parser.parse());
  auto recorder = std::make_shared<Recorder>();
  parser.setDelegate(recorder);
  recorder.reset();
  EXPECT_TRUE(parser.parse());

  NSXMLParser broken(bytesOf("<a>"));
  EXPECT_FALSE(broken.parse());
  EXPECT_EQ(broken.parserError(), "line 1, column 4: no element found");
}

}  // namespace
