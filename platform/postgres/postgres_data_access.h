#ifndef PELLORA_PLATFORM_POSTGRES_POSTGRES_DATA_ACCESS_H_
#define PELLORA_PLATFORM_POSTGRES_POSTGRES_DATA_ACCESS_H_

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "interfaces/data_access.h"
#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_failure.h"
#include "platform/postgres/pg_session.h"

namespace pellora::postgres {

// The data-access object on a company database of a PostgreSQL server: Data Source is the
// server's address (postgresql://[user[:password]@]host[:port]), Initial Catalog the database.
// The add-in's T-SQL text is translated and run; failures raise kDatabaseError with the
// server's message and the failing statement.
class PostgresDataAccess : public DataAccess {
 public:
  // Statements wait up to `lock_timeout` for rows another workstation holds; the server ends
  // this session `silence_limit` after it stops answering (see ConnectionParameters).
  explicit PostgresDataAccess(std::chrono::milliseconds lock_timeout = kDefaultLockTimeout,
                              std::chrono::milliseconds silence_limit = kDefaultSilenceLimit)
      : lock_timeout_(lock_timeout), silence_limit_(silence_limit) {}

  void BeginTransaction() override;
  bool CloseConnection() override;
  void CommitTransaction() override;
  bool ExecuteCommand(const std::string& context, const std::string& sql) override;
  RecordsetPtr RunWithValues(const std::string& sql, const std::vector<Variant>& values) override;
  bool OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset, int cursor_type,
                              int lock_type) override;
  bool OpenRecordset(const std::string& context, const std::string& sql, RecordsetPtr& recordset,
                     bool client_cursor, int options) override;
  bool InTransaction() override;
  bool OpenConnection(const std::string& connection_string) override;
  bool SaveRecordset(const std::string& context, RecordsetPtr& recordset) override;
  void RollbackTransaction() override;
  void GetConnection(std::shared_ptr<Connection>& connection) override;

  // Why the last OpenConnection answered False when the server was asked; null otherwise.
  const PgConnectError* OpenFailure() const { return open_failure_ ? &*open_failure_ : nullptr; }

 private:
  PgSession& Open();

  std::chrono::milliseconds lock_timeout_;
  std::chrono::milliseconds silence_limit_;
  std::shared_ptr<PgSession> session_;
  std::optional<PgConnectError> open_failure_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_POSTGRES_DATA_ACCESS_H_
