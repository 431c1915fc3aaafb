#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tarnavel {

// A bound view or recognizer carries its row and column as "%d" texts; handlers read them back with the
// toolkit's int reader, so a text that is not a number reads as 0.

std::string carrierText(std::size_t index);
int carrierNumber(const std::optional<std::string>& text);

}  // namespace tarnavel
