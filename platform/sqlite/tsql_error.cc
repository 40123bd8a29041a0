#include "platform/sqlite/tsql_error.h"

#include "runtime/error.h"

namespace pellora::sqlite {

void RaiseUnsupported(const std::string& description) {
  throw Error(kDatabaseError, "SQLite", description);
}

}  // namespace pellora::sqlite
