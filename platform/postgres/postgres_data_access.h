#ifndef PELLORA_PLATFORM_POSTGRES_POSTGRES_DATA_ACCESS_H_
#define PELLORA_PLATFORM_POSTGRES_POSTGRES_DATA_ACCESS_H_

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_failure.h"
#include "platform/session/session_data_access.h"
#include "platform/session/statement_observer.h"

namespace pellora::postgres {

// The data-access object on a company database of a PostgreSQL server: Data Source is the
// server's address (postgresql://[user[:password]@]host[:port]), Initial Catalog the database.
// Statements wait up to `lock_timeout` for rows another workstation holds; `observer`, when
// given, watches every statement.
class PostgresDataAccess : public session::SessionDataAccess {
 public:
  // The server ends this session `silence_limit` after it stops answering (see
  // ConnectionParameters).
  explicit PostgresDataAccess(std::chrono::milliseconds lock_timeout = kDefaultLockTimeout,
                              std::chrono::milliseconds silence_limit = kDefaultSilenceLimit,
                              session::StatementObserverPtr observer = nullptr)
      : SessionDataAccess(kErrorSource, std::move(observer)),
        lock_timeout_(lock_timeout),
        silence_limit_(silence_limit) {}

  // Why the last OpenConnection answered False when the server was asked; null otherwise.
  const PgConnectError* OpenFailure() const { return open_failure_ ? &*open_failure_ : nullptr; }

 private:
  std::unique_ptr<session::EngineBackend> OpenBackend(
      const std::string& connection_string, const session::StatementObserverPtr& observer) override;

  std::chrono::milliseconds lock_timeout_;
  std::chrono::milliseconds silence_limit_;
  std::optional<PgConnectError> open_failure_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_POSTGRES_DATA_ACCESS_H_
