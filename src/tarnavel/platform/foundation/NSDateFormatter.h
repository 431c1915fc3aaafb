#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/foundation/NSDate.h"

namespace tarnavel {

/// Turns dates into text and back by a date pattern ("MM/dd/yyyy", "HH:mm", "d MMM y"...: the pattern
/// letters of the Unicode date format syntax). Texts are read and written with fixed English names and
/// digits, whatever the process locale, in the process's time zone.
class NSDateFormatter {
 public:
  NSDateFormatter();
  ~NSDateFormatter();
  NSDateFormatter(NSDateFormatter&&) noexcept;
  NSDateFormatter& operator=(NSDateFormatter&&) noexcept;

  const std::optional<std::string>& dateFormat() const { return dateFormat_; }
  void setDateFormat(std::optional<std::string> format);

  /// The date that `text` spells in the pattern, the whole text read; null when it does not match, or
  /// when there is no usable pattern.
  std::optional<NSDate> dateFromString(const std::string& text) const;
  /// The date spelt in the pattern; "" when there is no usable pattern, or when the date lies beyond the
  /// calendar (millions of years away).
  std::string stringFromDate(const NSDate& date) const;

 private:
  struct Engine;
  std::optional<std::string> dateFormat_;
  std::unique_ptr<Engine> engine_;
};

}  // namespace tarnavel
