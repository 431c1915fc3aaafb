#include "tarnavel/platform/foundation/NSNumberFormatter.h"

#include <unicode/numfmt.h>
#include <unicode/rbnf.h>

#include <charconv>
#include <cmath>
#include <memory>

#include "tarnavel/platform/foundation/NSLocale.h"

namespace tarnavel {

namespace {

UNumberFormatStyle icuStyle(NSUInteger style) {
  switch (style) {
    case NSNumberFormatterDecimalStyle:
      return UNUM_DECIMAL;
    case NSNumberFormatterCurrencyStyle:
      return UNUM_CURRENCY;
    case NSNumberFormatterPercentStyle:
      return UNUM_PERCENT;
    case NSNumberFormatterScientificStyle:
      return UNUM_SCIENTIFIC;
    case NSNumberFormatterCurrencyISOCodeStyle:
      return UNUM_CURRENCY_ISO;
    case NSNumberFormatterCurrencyPluralStyle:
      return UNUM_CURRENCY_PLURAL;
    case NSNumberFormatterCurrencyAccountingStyle:
      return UNUM_CURRENCY_ACCOUNTING;
    default:
      return UNUM_DECIMAL;  // the plain style is the decimal one without grouping or fraction
  }
}

bool isKnownStyle(NSUInteger style) {
  return style >= NSNumberFormatterDecimalStyle && style <= NSNumberFormatterCurrencyAccountingStyle &&
         style != 7;
}

std::unique_ptr<icu::NumberFormat> makeFormat(NSUInteger style, const std::string& localeName) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale locale(localeName.c_str());
  std::unique_ptr<icu::NumberFormat> format;
  // Words and ordinals are rule-based formats, which the style factory does not make.
  if (style == NSNumberFormatterSpellOutStyle || style == NSNumberFormatterOrdinalStyle) {
    const auto rules = style == NSNumberFormatterSpellOutStyle ? icu::URBNF_SPELLOUT : icu::URBNF_ORDINAL;
    format = std::make_unique<icu::RuleBasedNumberFormat>(rules, locale, status);
  } else {
    format.reset(icu::NumberFormat::createInstance(locale, icuStyle(style), status));
  }
  if (U_FAILURE(status) || !format) return nullptr;
  if (!isKnownStyle(style)) {
    format->setGroupingUsed(false);
    format->setMaximumFractionDigits(0);
  }
  return format;
}

// The number as ICU takes it: exact integers stay integers (an unsigned beyond the signed range goes as
// decimal text), a float goes as its own shortest decimal text.
bool toFormattable(const Value& number, icu::Formattable& out) {
  UErrorCode status = U_ZERO_ERROR;
  switch (number.numberKind()) {
    case Value::NumberKind::Bool:
    case Value::NumberKind::Integer:
      out.setInt64(number.integerValue());
      return true;
    case Value::NumberKind::Unsigned: {
      const std::string digits = number.description();
      out = icu::Formattable(icu::StringPiece(digits.c_str()), status);
      return U_SUCCESS(status);
    }
    case Value::NumberKind::Float: {
      const float f = number.floatValue();
      if (!std::isfinite(f)) break;
      char buffer[32];
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, f, std::chars_format::scientific).ptr;
      out = icu::Formattable(icu::StringPiece(buffer, static_cast<int32_t>(end - buffer)), status);
      return U_SUCCESS(status);
    }
    case Value::NumberKind::Double:
      break;
  }
  out.setDouble(number.doubleValue());
  return true;
}

}  // namespace

std::optional<std::string> NSNumberFormatter::stringFromNumber(const Value& number) const {
  if (!number.isNumber()) return std::nullopt;
  const auto format = makeFormat(numberStyle_, locale ? *locale : NSLocale::currentLocaleIdentifier());
  icu::Formattable formattable;
  if (!format || !toFormattable(number, formattable)) return std::nullopt;
  icu::UnicodeString text;
  UErrorCode status = U_ZERO_ERROR;
  format->format(formattable, text, status);
  if (U_FAILURE(status)) return std::nullopt;
  std::string utf8;
  return text.toUTF8String(utf8);
}

}  // namespace tarnavel
