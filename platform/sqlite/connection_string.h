#ifndef PELLORA_PLATFORM_SQLITE_CONNECTION_STRING_H_
#define PELLORA_PLATFORM_SQLITE_CONNECTION_STRING_H_

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace pellora::sqlite {

// The "Key=Value;..." pairs of an ADO connection string. Keys are case-insensitive and
// trimmed; values are trimmed and lose one pair of enclosing quotes.
class ConnectionString {
 public:
  explicit ConnectionString(std::string_view text);

  // The value of `key`, or "" when absent.
  std::string Value(std::string_view key) const;

  // The company database: the file <Data Source>/<Initial Catalog>.db. Empty when either
  // part is missing.
  std::filesystem::path DatabaseFile() const;

 private:
  std::map<std::string, std::string> values_;  // by upper-case key
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_CONNECTION_STRING_H_
