#pragma once

#include <string>

namespace tarnavel {

/// The locale that number formatters use when they are given none. It starts as ICU's default locale,
/// which ICU takes from the process environment (LC_ALL, LC_MESSAGES, LANG); a host that wants another
/// sets it here, for the whole process. Locales are named by identifier: "en_US", "de_CH", "fr".
class NSLocale {
 public:
  static std::string currentLocaleIdentifier();
  /// Raises NSInvalidArgumentException for an identifier ICU cannot read.
  static void setCurrentLocaleIdentifier(const std::string& identifier);
};

}  // namespace tarnavel
