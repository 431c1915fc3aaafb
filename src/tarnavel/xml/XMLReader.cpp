#include "tarnavel/xml/XMLReader.h"

#include <memory>

#include "tarnavel/xml/internal/XMLTreeBuilder.h"

namespace tarnavel {

Value XMLReader::XMLtoDictionary(std::optional<std::string_view> xml, std::string* error) {
  const std::string_view text = xml.value_or(std::string_view());
  return std::make_shared<XMLTreeBuilder>()->objectWithData(
      std::as_bytes(std::span(text.data(), text.size())), NSXMLParser::Encoding::UTF8, error);
}

Value XMLReader::dataToDictionary(std::span<const std::byte> xml, std::string* error) {
  return std::make_shared<XMLTreeBuilder>()->objectWithData(xml, NSXMLParser::Encoding::FromDocument, error);
}

}  // namespace tarnavel
