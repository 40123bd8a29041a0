#include "platform/tsql/schema_change.h"

#include "runtime/text.h"

namespace pellora::tsql {
namespace {

// The first word of `sql`, up to a blank or a parenthesis.
std::string_view FirstWord(std::string_view sql) {
  const size_t start = sql.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return {};
  const std::string_view rest = sql.substr(start);
  return rest.substr(0, rest.find_first_of(" \t\r\n("));
}

}  // namespace

bool ChangesSchema(std::string_view sql) {
  const std::string_view word = FirstWord(sql);
  for (std::string_view verb : {"CREATE", "ALTER", "DROP", "COMMENT"}) {
    if (CompareTextNoCase(word, verb) == 0) return true;
  }
  return false;
}

bool OnlyReads(std::string_view sql) {
  // INTO anywhere, even inside a text, is taken for SELECT ... INTO: a query then merely goes
  // unkept.
  return CompareTextNoCase(FirstWord(sql), "SELECT") == 0 &&
         UCase(std::string(sql)).find("INTO") == std::string::npos;
}

}  // namespace pellora::tsql
