// The XML reader on generated documents of about 10 MB: its throughput with and without the release of the
// tree it makes, beside expat alone with empty handlers and the platform parser with a delegate that does
// nothing, all on the same UTF-8 bytes in one run; the same catalogue in windows-1251; and the reader's peak
// memory per megabyte of input on a catalogue, on a long run of empty elements and on one large text.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>

#include "tarnavel/platform/foundation/NSXMLParser.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

constexpr std::size_t kDocumentBytes = 10'000'000;

// The words a catalogue is written in, so that one catalogue can be made in two encodings.
struct Words {
  const char* encoding;
  std::string notes, author, second, summary, sources;
};

const Words kEnglish = {
    "UTF-8",          "Collected notes, volume ",    "Author number ",
    "Second author ", "A longer text about record ", " &amp; its sources,\n      written over two lines"};
// The same phrases in Russian, encoded in windows-1251.
const Words kRussianWindows1251 = {
    "windows-1251",
    "\xD1\xE1\xEE\xF0\xED\xE8\xEA \xE7\xE0\xEC\xE5\xF2\xEE\xEA, \xF2\xEE\xEC ",
    "\xC0\xE2\xF2\xEE\xF0 \xED\xEE\xEC\xE5\xF0 ",
    "\xC2\xF2\xEE\xF0\xEE\xE9 \xE0\xE2\xF2\xEE\xF0 ",
    "\xC4\xEB\xE8\xED\xED\xFB\xE9 \xF2\xE5\xEA\xF1\xF2 \xEE \xE7\xE0\xEF\xE8\xF1\xE8 ",
    " &amp; \xE5\xE5 \xE8\xF1\xF2\xEE\xF7\xED\xE8\xEA\xE0\xF5,\n      \xED\xE0 \xE4\xE2\xF3\xF5 "
    "\xF1\xF2\xF0\xEE\xEA\xE0\xF5"};

// Records with attributes, repeated children, entities and text over several lines, indented as a person
// would write them.
std::string makeCatalogue(std::size_t targetBytes, const Words& words) {
  std::string xml = std::string("<?xml version=\"1.0\" encoding=\"") + words.encoding +
                    "\"?>\n<catalogue source=\"generated\">\n";
  for (int id = 0; xml.size() < targetBytes; ++id) {
    const std::string n = std::to_string(id);
    xml += "  <record id=\"" + n + "\" kind=\"" + (id % 3 == 0 ? "book" : "journal") +
           "\" updated=\"2024-03-" + std::to_string(10 + id % 20) + "\">\n";
    xml += "    <title>" + words.notes + n + "</title>\n";
    xml += "    <author role=\"lead\">" + words.author + n + "</author>\n";
    xml += "    <author role=\"second\">" + words.second + n + "</author>\n";
    xml += "    <tag>alpha</tag>\n    <tag>beta</tag>\n    <tag>gamma</tag>\n";
    xml += "    <price currency=\"EUR\">" + std::to_string(id % 90 + 10) + ".50</price>\n";
    xml += "    <summary>" + words.summary + n + words.sources + " &lt;with markup&gt; inside.</summary>\n";
    xml += "  </record>\n";
  }
  return xml + "</catalogue>\n";
}

std::string makeEmptyElements(std::size_t targetBytes) {
  std::string xml = "<r>";
  while (xml.size() < targetBytes)
    xml += "<b/>";
  return xml + "</r>";
}

std::string makeLargeText(std::size_t targetBytes) {
  std::string xml = "<r><t>";
  while (xml.size() < targetBytes)
    xml += "A line of text in one long element, &amp; an entity.\n";
  return xml + "</t></r>";
}

const std::string& catalogue() {
  static const std::string xml = makeCatalogue(kDocumentBytes, kEnglish);
  return xml;
}

const std::string& catalogueWindows1251() {
  static const std::string xml = makeCatalogue(kDocumentBytes, kRussianWindows1251);
  return xml;
}

tarnavel::Value readDocument(benchmark::State& state, const std::string& xml) {
  tarnavel::Value result = tarnavel::XMLReader::dataToDictionary(std::as_bytes(std::span(xml)));
  if (!result.isDictionary()) state.SkipWithError("the document did not parse");
  return result;
}

// The conversion alone; the caller's later release of the tree is left out of the timing.
void readWithoutRelease(benchmark::State& state, const std::string& xml) {
  for (auto _ : state) {
    tarnavel::Value result = readDocument(state, xml);
    state.PauseTiming();
    result = tarnavel::Value();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}

void BM_XMLReader(benchmark::State& state) {
  readWithoutRelease(state, catalogue());
}

void BM_XMLReaderWindows1251(benchmark::State& state) {
  readWithoutRelease(state, catalogueWindows1251());
}

// The conversion and the release of the tree it made: what a caller pays per document in all.
void BM_XMLReaderWithRelease(benchmark::State& state) {
  const std::string& xml = catalogue();
  for (auto _ : state) {
    tarnavel::Value result = readDocument(state, xml);
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

long long statusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(field)) return std::stoll(line.substr(std::string_view(field).size()));
  }
  return -1;
}

// How far the resident set grows above its size before the read while the reader reads `xml` and holds the
// tree, in bytes; measured in a child process, so that memory freed by earlier runs cannot hide growth.
long long peakGrowth(const std::string& xml) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";  // restarts the peak from the present size
    const long long before = statusKilobytes("VmRSS:");
    const tarnavel::Value result = tarnavel::XMLReader::dataToDictionary(std::as_bytes(std::span(xml)));
    long long growth = result.isDictionary() ? (statusKilobytes("VmHWM:") - before) * 1024 : -1;
    if (write(channel[1], &growth, sizeof growth) != sizeof growth) _exit(1);
    _exit(0);
  }
  long long growth = -1;
  if (child > 0 && read(channel[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  if (child > 0) waitpid(child, nullptr, 0);
  close(channel[0]);
  close(channel[1]);
  return growth;
}

void peakMemory(benchmark::State& state, const std::string& xml) {
  for (auto _ : state) {
    const long long growth = peakGrowth(xml);
    if (growth < 0) state.SkipWithError("the measurement failed");
    state.counters["peak_MB_per_input_MB"] = static_cast<double>(growth) / static_cast<double>(xml.size());
    state.counters["input_MB"] = static_cast<double>(xml.size()) / 1e6;
  }
}

void BM_XMLReaderPeakMemoryCatalogue(benchmark::State& state) {
  peakMemory(state, catalogue());
}

void BM_XMLReaderPeakMemoryEmptyElements(benchmark::State& state) {
  static const std::string xml = makeEmptyElements(kDocumentBytes);
  peakMemory(state, xml);
}

void BM_XMLReaderPeakMemoryLargeText(benchmark::State& state) {
  static const std::string xml = makeLargeText(kDocumentBytes);
  peakMemory(state, xml);
}

BENCHMARK(BM_XMLReader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XMLReaderWithRelease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XMLReaderWindows1251)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NSXMLParserEmptyDelegate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpatEmptyHandlers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XMLReaderPeakMemoryCatalogue)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XMLReaderPeakMemoryEmptyElements)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XMLReaderPeakMemoryLargeText)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
