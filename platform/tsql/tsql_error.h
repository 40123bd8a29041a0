#ifndef PELLORA_PLATFORM_TSQL_TSQL_ERROR_H_
#define PELLORA_PLATFORM_TSQL_TSQL_ERROR_H_

#include <string>
#include <string_view>

#include "runtime/error.h"

namespace pellora::tsql {

// The sources of the reader's own errors; the translation gives them the engine's name instead,
// so callers see which backend refused the text.
inline constexpr char kReaderSource[] = "T-SQL";
inline constexpr char kEngineLimitSource[] = "T-SQL (motor)";

// Raises the database error for T-SQL text that the reader cannot read.
[[noreturn]] void RaiseUnsupported(const std::string& description);
// Raises the database error for a construct that the engine is not given: `description` says it
// is not supported, and the engine's name is added ("... não é suportado em SQLite").
[[noreturn]] void RaiseUnsupportedByEngine(const std::string& description);

// `message` followed by the statement it was met in, named by its first non-blank line.
std::string NamingStatement(std::string_view message, std::string_view statement);
// Raises the database error `message` of `source` met by `statement`, naming the statement.
[[noreturn]] void RaiseStatementError(const char* source, std::string_view message,
                                      std::string_view statement);

// Raises `error` again with `engine` as its source when the reader raised it; as it is otherwise.
// Call only while handling `error`.
[[noreturn]] void RaiseForEngine(const Error& error, std::string_view engine);

// Runs `read`, giving the reader's errors the engine's name as source.
template <typename Read>
auto ReadFor(std::string_view engine, Read read) -> decltype(read()) {
  try {
    return read();
  } catch (const Error& error) {
    RaiseForEngine(error, engine);
  }
}

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_ERROR_H_
