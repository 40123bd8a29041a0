#ifndef PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_
#define PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_

#include <chrono>

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
                            session::StatementObserverPtr observer = nullptr);
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_
