#ifndef PELLORA_PLATFORM_SESSION_SESSION_DATA_ACCESS_H_
#define PELLORA_PLATFORM_SESSION_SESSION_DATA_ACCESS_H_

#include <memory>
#include <string>
#include <vector>

#include "interfaces/data_access.h"
#include "platform/session/engine_backend.h"
#include "platform/session/session.h"
#include "platform/session/statement_observer.h"

namespace pellora::session {

// The data-access object on a company database, whatever its engine: the add-in's T-SQL text is
// translated and run by one Session; failures raise kDatabaseError with the engine's message and
// the failing statement. An engine gives only how its backend opens.
class SessionDataAccess : public DataAccess {
 public:
  void BeginTransaction() override;
  bool CloseConnection() override;
  void CommitTransaction() override;
  bool ExecuteCommand(const std::string& context, const std::string& sql) override;
  RecordsetPtr RunWithValues(const std::string& sql, const std::vector<Variant>& values) override;
  void RunAllWithValues(const std::vector<ValuedStatement>& statements) override;
  void AppendRows(const std::string& table, const Recordset& rows) override;
  bool OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset, int cursor_type,
                              int lock_type) override;
  bool OpenRecordset(const std::string& context, const std::string& sql, RecordsetPtr& recordset,
                     bool client_cursor, int options) override;
  bool InTransaction() override;
  bool OpenConnection(const std::string& connection_string) override;
  bool SaveRecordset(const std::string& context, RecordsetPtr& recordset) override;
  void RollbackTransaction() override;
  void GetConnection(std::shared_ptr<Connection>& connection) override;

 protected:
  // `source` names the engine in the errors; `observer`, when given, watches every statement of
  // the backends this object opens.
  SessionDataAccess(const char* source, StatementObserverPtr observer)
      : source_(source), observer_(std::move(observer)) {}

  // The backend on the company `connection_string` names, its statements watched by
  // `observer` (nullptr: none); nullptr, creating nothing, when it cannot be opened.
  virtual std::unique_ptr<EngineBackend> OpenBackend(const std::string& connection_string,
                                                     const StatementObserverPtr& observer) = 0;

 private:
  Session& Open();

  const char* source_;
  StatementObserverPtr observer_;
  std::shared_ptr<Session> session_;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_SESSION_DATA_ACCESS_H_
