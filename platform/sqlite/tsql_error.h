#ifndef PELLORA_PLATFORM_SQLITE_TSQL_ERROR_H_
#define PELLORA_PLATFORM_SQLITE_TSQL_ERROR_H_

#include <string>

namespace pellora::sqlite {

// Raises the database error for T-SQL text that the SQLite backend cannot run.
[[noreturn]] void RaiseUnsupported(const std::string& description);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TSQL_ERROR_H_
