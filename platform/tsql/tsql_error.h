#ifndef PELLORA_PLATFORM_TSQL_TSQL_ERROR_H_
#define PELLORA_PLATFORM_TSQL_TSQL_ERROR_H_

#include <string>

namespace pellora::tsql {

// The source of the reader's own errors; the translation gives them the engine's name instead,
// so callers see which backend refused the text.
inline constexpr char kReaderSource[] = "T-SQL";

// Raises the database error for T-SQL text that the reader cannot read.
[[noreturn]] void RaiseUnsupported(const std::string& description);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_ERROR_H_
