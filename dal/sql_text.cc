#include "dal/sql_text.h"

#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora {

std::string QuotesDoubled(std::string_view value) {
  return QuoteEscape(value);
}

std::string FieldQuotesDoubled(const Variant& value) {
  return QuotesDoubled(Concat(value, ""));
}

std::string SqlNumber(const Variant& value) {
  return Replace(CStr(value), ",", ".");
}

std::string SqlLines(std::initializer_list<std::string> lines) {
  std::string sql;
  for (const std::string& line : lines) {
    sql += line;
    sql += "\r\n";
  }
  return sql;
}

}  // namespace pellora
