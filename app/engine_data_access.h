#ifndef PELLORA_APP_ENGINE_DATA_ACCESS_H_
#define PELLORA_APP_ENGINE_DATA_ACCESS_H_

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/data_access.h"
#include "platform/postgres/postgres_data_access.h"

namespace pellora::app {

// The data-access object the program hands out: it becomes the engine the connection string's
// server names as it opens, a PostgreSQL server for a postgresql:// address and the SQLite
// folder of company files otherwise, and passes every call on to it.
class EngineDataAccess : public DataAccess {
 public:
  // Statements wait up to `busy_timeout` while another workstation writes to the company; a
  // server lets this one keep the company `silence_limit` after it stops answering.
  EngineDataAccess(std::chrono::milliseconds busy_timeout,
                   std::chrono::milliseconds silence_limit = postgres::kDefaultSilenceLimit)
      : busy_timeout_(busy_timeout), silence_limit_(silence_limit) {}

  void BeginTransaction() override { Engine().BeginTransaction(); }
  bool CloseConnection() override { return !engine_ || engine_->CloseConnection(); }
  void CommitTransaction() override { Engine().CommitTransaction(); }
  bool ExecuteCommand(const std::string& context, const std::string& sql) override {
    return Engine().ExecuteCommand(context, sql);
  }
  RecordsetPtr RunWithValues(const std::string& sql, const std::vector<Variant>& values) override {
    return Engine().RunWithValues(sql, values);
  }
  bool OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset, int cursor_type,
                              int lock_type) override {
    return Engine().OpenRecordsetForUpdate(sql, recordset, cursor_type, lock_type);
  }
  bool OpenRecordset(const std::string& context, const std::string& sql, RecordsetPtr& recordset,
                     bool client_cursor, int options) override {
    return Engine().OpenRecordset(context, sql, recordset, client_cursor, options);
  }
  bool InTransaction() override { return Engine().InTransaction(); }
  bool OpenConnection(const std::string& connection_string) override;
  bool SaveRecordset(const std::string& context, RecordsetPtr& recordset) override {
    return Engine().SaveRecordset(context, recordset);
  }
  void RollbackTransaction() override {
    work_undone_ = true;
    Engine().RollbackTransaction();
  }
  void GetConnection(std::shared_ptr<Connection>& connection) override {
    Engine().GetConnection(connection);
  }

  // Why the last OpenConnection on a server answered False; null on a file company.
  const postgres::PgConnectError* ServerRefusal() const;
  // Whether work was rolled back since this object was made: the add-in and the host undo work
  // only when it failed.
  bool WorkUndone() const { return work_undone_; }

 private:
  DataAccess& Engine();

  std::chrono::milliseconds busy_timeout_;
  std::chrono::milliseconds silence_limit_;
  DataAccessPtr engine_;                                  // null until the first OpenConnection
  std::shared_ptr<postgres::PostgresDataAccess> server_;  // the engine, on a server
  bool work_undone_ = false;
};

}  // namespace pellora::app

#endif  // PELLORA_APP_ENGINE_DATA_ACCESS_H_
