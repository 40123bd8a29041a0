#include "platform/sqlite/sqlite_connection.h"

namespace pellora::sqlite {

RecordsetPtr SqliteConnection::Execute(const std::string& sql) {
  return LockSession(session_)->Run(sql);
}

}  // namespace pellora::sqlite
