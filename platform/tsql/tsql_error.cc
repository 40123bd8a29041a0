#include "platform/tsql/tsql_error.h"

#include "runtime/error.h"

namespace pellora::tsql {

void RaiseUnsupported(const std::string& description) {
  throw Error(kDatabaseError, kReaderSource, description);
}

void RaiseUnsupportedByEngine(const std::string& description) {
  throw Error(kDatabaseError, kEngineLimitSource, description);
}

void RaiseForEngine(const Error& error, std::string_view engine) {
  if (error.source() == kReaderSource) {
    throw Error(error.number(), std::string(engine), error.description());
  }
  if (error.source() == kEngineLimitSource) {
    throw Error(error.number(), std::string(engine),
                error.description() + " em " + std::string(engine));
  }
  throw;
}

}  // namespace pellora::tsql
