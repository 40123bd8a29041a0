#include "platform/vela/sql_literal.h"

#include <cmath>

#include <charconv>
#include <cstdio>

#include "runtime/date.h"
#include "runtime/date_text.h"
#include "runtime/text.h"

namespace pellora::vela {

std::string UnicodeLiteral(std::string_view text) {
  return "N'" + QuoteEscape(text) + "'";
}

std::string SqlNumber(double value) {
  if (value == 0) return "0";  // also -0
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string SqlDateTime(Date date) {
  return "'" + IsoDateTimeText(date) + "'";
}

Variant NumberValue(double value) {
  const bool whole = std::trunc(value) == value && std::fabs(value) <= 2147483647.0;
  return whole ? Variant(static_cast<int32_t>(value)) : Variant(value);
}

std::string TimeOfDayText(Date date) {
  const DateParts p = PartsOf(date);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  return buffer;
}

}  // namespace pellora::vela
