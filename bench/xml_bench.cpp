// The XML reader's throughput on a generated catalogue of about 10 MB, beside expat alone with empty
// handlers and the platform parser with a delegate that does nothing, all on the same bytes in one run.
#include <benchmark/benchmark.h>
#include <expat.h>

#include <memory>
#include <string>

#include "tarnavel/platform/foundation/NSXMLParser.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

// Records with attributes, repeated children, entities and text over several lines, indented as a person
// would write them.
std::string makeCatalogue(std::size_t targetBytes) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalogue source=\"generated\">\n";
  for (int id = 0; xml.size() < targetBytes; ++id) {
    const std::string n = std::to_string(id);
    xml += "  <record id=\"" + n + "\" kind=\"" + (id % 3 == 0 ? "book" : "journal") +
           "\" updated=\"2024-03-" + std::to_string(10 + id % 20) + "\">\n";
    xml += "    <title>Collected notes, volume " + n + "</title>\n";
    xml += "    <author role=\"lead\">Author number " + n + "</author>\n";
    xml += "    <author role=\"second\">Second author " + n + "</author>\n";
    xml += "    <tag>alpha</tag>\n    <tag>beta</tag>\n    <tag>gamma</tag>\n";
    xml += "    <price currency=\"EUR\">" + std::to_string(id % 90 + 10) + ".50</price>\n";
    xml += "    <summary>A longer text about record " + n +
           " &amp; its sources,\n      written over two lines &lt;with markup&gt; inside.</summary>\n";
    xml += "  </record>\n";
  }
  return xml + "</catalogue>\n";
}

const std::string& catalogue() {
  static const std::string xml = makeCatalogue(10'000'000);
  return xml;
}

tarnavel::Value readCatalogue(benchmark::State& state, const std::string& xml) {
  tarnavel::Value result = tarnavel::XMLReader::dataToDictionary(std::as_bytes(std::span(xml)));
  if (!result.isDictionary()) state.SkipWithError("the catalogue did not parse");
  return result;
}

// The conversion alone; the caller's later release of the tree is left out of the timing.
void BM_XMLReader(benchmark::State& state) {
  const std::string& xml = catalogue();
  for (auto _ : state) {
    tarnavel::Value result = readCatalogue(state, xml);
    state.PauseTiming();
    result = tarnavel::Value();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}

// The conversion and the release of the tree it made: what a caller pays per document in all.
void BM_XMLReaderWithRelease(benchmark::State& state) {
  const std::string& xml = catalogue();
  for (auto _ : state) {
    tarnavel::Value result = readCatalogue(state, xml);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}

void BM_NSXMLParserEmptyDelegate(benchmark::State& state) {
  const std::string& xml = catalogue();
  auto delegate = std::make_shared<tarnavel::NSXMLParserDelegate>();
  for (auto _ : state) {
    tarnavel::NSXMLParser parser(std::as_bytes(std::span(xml)));
    parser.setDelegate(delegate);
    if (!parser.parse()) state.SkipWithError("the catalogue did not parse");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}

void XMLCALL emptyStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL emptyEnd(void*, const XML_Char*) {}
void XMLCALL emptyCharacters(void*, const XML_Char*, int) {}

void BM_ExpatEmptyHandlers(benchmark::State& state) {
  const std::string& xml = catalogue();
  for (auto _ : state) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, emptyStart, emptyEnd);
    XML_SetCharacterDataHandler(parser, emptyCharacters);
    if (XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) != XML_STATUS_OK) {
      state.SkipWithError("the catalogue did not parse");
    }
    XML_ParserFree(parser);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}

BENCHMARK(BM_XMLReader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XMLReaderWithRelease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NSXMLParserEmptyDelegate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpatEmptyHandlers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
