#ifndef PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_
#define PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_

#include <chrono>
#include <memory>
#include <string>

#include "interfaces/data_access.h"
#include "platform/sqlite/session.h"

namespace pellora::sqlite {

// The data-access object on a SQLite company database: the file <Data Source>/<Initial
// Catalog>.db of the connection string. The add-in's T-SQL text is translated and run;
// failures raise kDatabaseError with SQLite's message and the failing statement.
class SqliteDataAccess : public DataAccess {
 public:
  // Statements wait up to `busy_timeout` while another workstation writes to the company.
  explicit SqliteDataAccess(std::chrono::milliseconds busy_timeout = kDefaultBusyTimeout)
      : busy_timeout_(busy_timeout) {}

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

 private:
  Session& Open();

  std::chrono::milliseconds busy_timeout_;
  std::shared_ptr<Session> session_;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQLITE_DATA_ACCESS_H_
