#include "platform/tsql/tsql_error.h"

#include "runtime/error.h"

namespace pellora::tsql {

void RaiseUnsupported(const std::string& description) {
  throw Error(kDatabaseError, kReaderSource, description);
}

}  // namespace pellora::tsql
