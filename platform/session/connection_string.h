#ifndef PELLORA_PLATFORM_SESSION_CONNECTION_STRING_H_
#define PELLORA_PLATFORM_SESSION_CONNECTION_STRING_H_

#include <map>
#include <string>
#include <string_view>

namespace pellora::session {

// The "Key=Value;..." pairs of an ADO connection string, as every engine reads them. Keys are
// case-insensitive and trimmed; values are trimmed and lose one pair of enclosing quotes.
class ConnectionString {
 public:
  explicit ConnectionString(std::string_view text);

  // The value of `key`, or "" when absent.
  std::string Value(std::string_view key) const;

 private:
  std::map<std::string, std::string> values_;  // by upper-case key
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_CONNECTION_STRING_H_
