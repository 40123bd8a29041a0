#include "platform/sqlite/sqlite_data_access.h"

#include "platform/sqlite/connection_string.h"
#include "platform/sqlite/sqlite_backend.h"

namespace pellora::sqlite {

// A missing folder or file gives no backend: no empty company database is made by accident.
std::unique_ptr<session::EngineBackend> SqliteDataAccess::OpenBackend(
    const std::string& connection_string, const session::StatementObserverPtr& observer) {
  const ConnectionString connection(connection_string);
  std::unique_ptr<Database> db = Database::OpenExisting(
      connection.DatabaseFile(), connection.Value("Initial Catalog"), busy_timeout_);
  if (!db) return nullptr;
  db->Watch(observer);
  return std::make_unique<SqliteBackend>(std::move(db));
}

}  // namespace pellora::sqlite
