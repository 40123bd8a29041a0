#include "platform/tsql/schema_change.h"

#include "runtime/text.h"

namespace pellora::tsql {

bool ChangesSchema(std::string_view sql) {
  const size_t start = sql.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return false;
  const std::string_view rest = sql.substr(start);
  const std::string_view word = rest.substr(0, rest.find_first_of(" \t\r\n("));
  for (std::string_view verb : {"CREATE", "ALTER", "DROP", "COMMENT"}) {
    if (CompareTextNoCase(word, verb) == 0) return true;
  }
  return false;
}

}  // namespace pellora::tsql
