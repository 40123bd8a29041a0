#ifndef PELLORA_PLATFORM_SQLITE_CONNECTION_STRING_H_
#define PELLORA_PLATFORM_SQLITE_CONNECTION_STRING_H_

#include <filesystem>
#include <string_view>

#include "platform/session/connection_string.h"

namespace pellora::sqlite {

// The connection string as SQLite reads it: Data Source is a folder of company databases.
class ConnectionString : public session::ConnectionString {
 public:
  explicit ConnectionString(std::string_view text) : session::ConnectionString(text) {}

  // The company database: the file <Data Source>/<Initial Catalog>.db. Empty when either
  // part is missing.
  std::filesystem::path DatabaseFile() const;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_CONNECTION_STRING_H_
