#include "tarnavel/platform/foundation/NSLocale.h"

#include <unicode/locid.h>

#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

std::string NSLocale::currentLocaleIdentifier() {
  return icu::Locale::getDefault().getName();
}

void NSLocale::setCurrentLocaleIdentifier(const std::string& identifier) {
  const icu::Locale locale(identifier.c_str());
  if (locale.isBogus()) raiseException(NSInvalidArgumentException, "unreadable locale " + identifier);
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(locale, status);
  if (U_FAILURE(status)) raiseException(NSInvalidArgumentException, "unusable locale " + identifier);
}

}  // namespace tarnavel
