#pragma once

#include <optional>
#include <string>

#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// The styles a number formatter writes numbers in (there is no style 7).
enum NSNumberFormatterStyle : NSUInteger {
  NSNumberFormatterNoStyle = 0,                   // 1234
  NSNumberFormatterDecimalStyle = 1,              // 1,234.5
  NSNumberFormatterCurrencyStyle = 2,             // $1,234.50
  NSNumberFormatterPercentStyle = 3,              // 25%
  NSNumberFormatterScientificStyle = 4,           // 1.2345E3
  NSNumberFormatterSpellOutStyle = 5,             // one thousand two hundred thirty-four point five
  NSNumberFormatterOrdinalStyle = 6,              // 1,234th
  NSNumberFormatterCurrencyISOCodeStyle = 8,      // USD 1,234.50
  NSNumberFormatterCurrencyPluralStyle = 9,       // 1,234.50 US dollars
  NSNumberFormatterCurrencyAccountingStyle = 10,  // ($1,234.50) for a negative amount
};

/// Writes numbers as text in a style and a locale, with ICU's number formatting. Rounding is half-even.
class NSNumberFormatter {
 public:
  /// The style as set; a value outside the enumeration formats as NSNumberFormatterNoStyle.
  NSUInteger numberStyle() const { return numberStyle_; }
  void setNumberStyle(NSUInteger style) { numberStyle_ = style; }

  /// The locale identifier ("en_US", "de_CH"); null follows NSLocale's current locale at each use.
  std::optional<std::string> locale;

  /// The number's text; null for a value that is not a number, or when ICU cannot format in the locale.
  /// A float is formatted as its shortest decimal text (0.1f as 0.1), not as the double it widens to.
  std::optional<std::string> stringFromNumber(const Value& number) const;

 private:
  NSUInteger numberStyle_ = NSNumberFormatterNoStyle;
};

}  // namespace tarnavel
