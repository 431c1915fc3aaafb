// Feeds arbitrary bytes to the XML reader, as data and as a string, and checks that every call either
// succeeds with a one-entry dictionary or fails with a message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "tarnavel/xml/XMLReader.h"

namespace {

void check(const tarnavel::Value& result, const std::string& error) {
  const bool succeeded = result.isDictionary() && result.count() == 1 && error.empty();
  const bool failed = result.isNull() && !error.empty();
  if (!succeeded && !failed) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  check(tarnavel::XMLReader::dataToDictionary(std::span(data, size), &error), error);
  error.clear();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check(tarnavel::XMLReader::XMLtoDictionary(text, &error), error);
  return 0;
}
