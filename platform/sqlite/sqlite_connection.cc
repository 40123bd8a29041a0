#include "platform/sqlite/sqlite_connection.h"

#include "platform/tsql/session_lock.h"

namespace pellora::sqlite {

RecordsetPtr SqliteConnection::Execute(const std::string& sql) {
  return tsql::LockSession(session_, kErrorSource)->Run(sql);
}

}  // namespace pellora::sqlite
