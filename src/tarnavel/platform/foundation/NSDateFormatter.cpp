#include "tarnavel/platform/foundation/NSDateFormatter.h"

#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include "tarnavel/platform/internal/ICUTime.h"

namespace tarnavel {

namespace {

// Fixed-format dates are read and written in the POSIX variant of English, so that a stored text reads back
// the same on every machine.
const icu::Locale& fixedFormatLocale() {
  static const icu::Locale locale("en_US_POSIX");
  return locale;
}

}  // namespace

struct NSDateFormatter::Engine {
  std::unique_ptr<icu::SimpleDateFormat> format;
};

NSDateFormatter::NSDateFormatter() : engine_(std::make_unique<Engine>()) {}

NSDateFormatter::~NSDateFormatter() = default;
NSDateFormatter::NSDateFormatter(NSDateFormatter&&) noexcept = default;
NSDateFormatter& NSDateFormatter::operator=(NSDateFormatter&&) noexcept = default;

void NSDateFormatter::setDateFormat(std::optional<std::string> format) {
  dateFormat_ = std::move(format);
  engine_->format.reset();
  if (!dateFormat_) return;
  UErrorCode status = U_ZERO_ERROR;
  auto made = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString::fromUTF8(*dateFormat_),
                                                      fixedFormatLocale(), status);
  if (U_FAILURE(status)) return;  // a broken pattern formats nothing and reads nothing
  made->setLenient(false);
  engine_->format = std::move(made);
}

std::optional<NSDate> NSDateFormatter::dateFromString(const std::string& text) const {
  if (!engine_->format) return std::nullopt;
  const icu::UnicodeString input = icu::UnicodeString::fromUTF8(text);
  icu::ParsePosition position(0);
  const UDate parsed = engine_->format->parse(input, position);
  // Only a text read to its end is a date: "12/25/2024 and more" is not.
  if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) return std::nullopt;
  return dateOfICUTime(parsed);
}

std::string NSDateFormatter::stringFromDate(const NSDate& date) const {
  if (!engine_->format) return "";
  icu::UnicodeString formatted;
  UErrorCode status = U_ZERO_ERROR;
  // The pattern's calendar is not lenient: a date beyond it is refused rather than shown clamped.
  engine_->format->format(icuTimeOf(date), formatted, nullptr, status);
  if (U_FAILURE(status)) return "";
  std::string out;
  formatted.toUTF8String(out);
  return out;
}

}  // namespace tarnavel
