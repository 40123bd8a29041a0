#include "platform/tsql/tsql_error.h"

#include "runtime/error.h"

namespace pellora::tsql {

void RaiseUnsupported(const std::string& description) {
  throw Error(kDatabaseError, kReaderSource, description);
}

void RaiseUnsupportedByEngine(const std::string& description) {
  throw Error(kDatabaseError, kEngineLimitSource, description);
}

namespace {

std::string_view FirstLine(std::string_view text) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    const auto first = line.find_first_not_of(" \t\r");
    if (first != std::string_view::npos) {
      line = line.substr(first);
      return line.substr(0, line.find_last_not_of(" \t\r") + 1);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return {};
}

}  // namespace

std::string NamingStatement(std::string_view message, std::string_view statement) {
  return std::string(message) + " (instrução: " + std::string(FirstLine(statement)) + ")";
}

void RaiseStatementError(const char* source, std::string_view message, std::string_view statement) {
  throw Error(kDatabaseError, source, NamingStatement(message, statement));
}

void RaiseForEngine(const Error& error, std::string_view engine) {
  if (error.source() == kReaderSource) {
    throw error.Reraised(std::string(engine), error.description());
  }
  if (error.source() == kEngineLimitSource) {
    throw error.Reraised(std::string(engine), error.description() + " em " + std::string(engine));
  }
  throw;
}

}  // namespace pellora::tsql
