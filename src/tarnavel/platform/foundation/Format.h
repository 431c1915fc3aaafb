#pragma once

#include <string>

namespace tarnavel {

/// printf-style "%d" and "%.Nf" texts, independent of the process locale (always "." and no grouping).
std::string formatInteger(long long value);
std::string formatFixed(double value, int decimals);

}  // namespace tarnavel
