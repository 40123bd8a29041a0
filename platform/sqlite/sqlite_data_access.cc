#include "platform/sqlite/sqlite_data_access.h"

#include "platform/sqlite/connection_string.h"
#include "platform/sqlite/sqlite_backend.h"

namespace pellora::sqlite {
namespace {

// A missing folder or file gives no backend: no empty company database is made by accident.
std::unique_ptr<session::EngineBackend> OpenBackend(const std::string& text,
                                                    std::chrono::milliseconds busy_timeout,
                                                    const session::StatementObserverPtr& observer) {
  const ConnectionString connection(text);
  std::unique_ptr<Database> db = Database::OpenExisting(
      connection.DatabaseFile(), connection.Value("Initial Catalog"), busy_timeout);
  if (!db) return nullptr;
  db->Watch(observer);
  return std::make_unique<SqliteBackend>(std::move(db));
}

}  // namespace

SqliteDataAccess::SqliteDataAccess(std::chrono::milliseconds busy_timeout,
                                   session::StatementObserverPtr observer)
    : SessionDataAccess(kErrorSource, [busy_timeout, observer](const std::string& text) {
        return OpenBackend(text, busy_timeout, observer);
      }) {}

}  // namespace pellora::sqlite
