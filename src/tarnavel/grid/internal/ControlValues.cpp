// How a switch, a picker and a date picker show a record's field.
#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/platform/foundation/NSDateFormatter.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

bool switchFieldIsOn(const Value& field) {
  if (field == Value("1")) return true;
  const std::string lowered = field.lowercaseString();
  return lowered == "yes" || lowered == "true";
}

NSInteger pickerRowOf(const Value& entries, const Value& field) {
  NSInteger chosen = 0;
  // A list that cannot be read (not an array) ends the search at row 0; the cell is still made.
  runProtected([&] {
    for (std::size_t i = 0; i < entries.count(); ++i) {
      if (entries.at(static_cast<long long>(i)) == field) {
        chosen = static_cast<NSInteger>(i);
        return;
      }
    }
  });
  return chosen;
}

std::optional<NSDate> dateOfField(const Value& field, const std::optional<std::string>& dateFormat) {
  const std::optional<std::string> text = fieldText(field);
  if (!text) return std::nullopt;
  NSDateFormatter formatter;
  formatter.setDateFormat(dateFormat);
  return formatter.dateFromString(*text);
}

}  // namespace tarnavel
