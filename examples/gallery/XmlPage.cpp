// The XML reader page: converts the sample catalogue and writes the dictionaries as indented text.
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "GalleryPage.h"
#include "tarnavel/xml/XMLReader.h"

namespace {

using tarnavel::Value;

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Dictionaries as { key = value; }, arrays as ( item, item ), strings quoted, one entry per line.
void printValue(const Value& value, int indent, std::string& out) {
  const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  if (value.isDictionary() && value.count() > 0) {
    out += "{\n";
    for (const auto& [key, entry] : value.dictionary()) {
      out += inner + key + " = ";
      printValue(entry, indent + 2, out);
      out += ";\n";
    }
    out += std::string(static_cast<std::size_t>(indent), ' ') + "}";
  } else if (value.isArray() && value.count() > 0) {
    out += "(\n";
    for (std::size_t i = 0; i < value.count(); ++i) {
      out += inner;
      printValue(value.array()[i], indent + 2, out);
      out += i + 1 < value.count() ? ",\n" : "\n";
    }
    out += std::string(static_cast<std::size_t>(indent), ' ') + ")";
  } else if (value.isDictionary()) {
    out += "{}";
  } else if (value.isArray()) {
    out += "()";
  } else {
    out += value.isString() ? quoted(value.string()) : value.description();
  }
}

void build(gallery::GalleryOutput& output) {
  const std::string path = std::string(TARNAVEL_GALLERY_ASSETS) + "/library.xml";
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                        std::istreambuf_iterator<char>()};
  std::string error;
  const Value result = tarnavel::XMLReader::dataToDictionary(bytes, &error);
  if (result.isNull()) throw std::runtime_error(path + ": " + error);
  std::string text;
  printValue(result, 0, text);
  output.writeText("xml-reader.txt", text + "\n");
}

gallery::GalleryPage page("xml", &build);

}  // namespace
