#include "runtime/format.h"

#include <optional>

#include "runtime/convert.h"
#include "runtime/date_text.h"
#include "runtime/format_patterns.h"
#include "runtime/locale.h"

namespace pellora {

std::string Format(const Variant& value, const std::string& pattern) {
  if (value.IsNull()) return {};
  if (pattern.empty()) return CStr(value);
  const Locale& locale = CurrentLocale();
  if (pattern.find_first_of("0#") != std::string::npos) {
    // A text that is no number is returned as it is.
    if (value.IsString() && !IsNumeric(value)) return value.AsString();
    return FormatNumber(CDbl(value), pattern, locale);
  }
  if (value.IsString()) {
    const std::optional<Date> date = ParseDateText(value.AsString());
    return date ? FormatDate(*date, pattern, locale) : value.AsString();
  }
  return FormatDate(CDate(value), pattern, locale);
}

}  // namespace pellora
