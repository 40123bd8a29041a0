#ifndef PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_
#define PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_

#include <chrono>
#include <memory>
#include <string>

#include "platform/session/session_data_access.h"
#include "platform/session/statement_observer.h"
#include "platform/sqlite/database.h"

namespace pellora::sqlite {

// The data-access object on a SQLite company database: the file <Data Source>/<Initial
// Catalog>.db of the connection string. Statements wait up to `busy_timeout` while another
// workstation writes to the company; `observer`, when given, watches every statement.
class SqliteDataAccess : public session::SessionDataAccess {
 public:
  explicit SqliteDataAccess(std::chrono::milliseconds busy_timeout = kDefaultBusyTimeout,
                            session::StatementObserverPtr observer = nullptr)
      : SessionDataAccess(kErrorSource, std::move(observer)), busy_timeout_(busy_timeout) {}

 private:
  std::unique_ptr<session::EngineBackend> OpenBackend(
      const std::string& connection_string, const session::StatementObserverPtr& observer) override;

  std::chrono::milliseconds busy_timeout_;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_
