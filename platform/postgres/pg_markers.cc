#include "platform/postgres/pg_markers.h"

namespace pellora::postgres {

std::string NumberMarkers(std::string_view sql, size_t first, size_t& count) {
  count = 0;
  if (sql.find('?') == std::string_view::npos) return std::string(sql);
  std::string text;
  text.reserve(sql.size() + 8);
  char quote = 0;  // the quote of the literal or name being read
  for (const char c : sql) {
    if (quote != 0) {
      if (c == quote) quote = 0;  // a doubled quote closes and opens again
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '?') {
      text += '$' + std::to_string(first + count++);
      continue;
    }
    text += c;
  }
  return text;
}

}  // namespace pellora::postgres
