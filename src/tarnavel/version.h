#pragma once

namespace tarnavel {

/// The library's version as text, "1.0".
extern const char* const TarnavelVersionString;
/// The library's version as a number, 1.0.
extern const double TarnavelVersionNumber;

}  // namespace tarnavel
