#ifndef PELLORA_PLATFORM_SESSION_SESSION_DATA_ACCESS_H_
#define PELLORA_PLATFORM_SESSION_SESSION_DATA_ACCESS_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/data_access.h"
#include "platform/session/engine_backend.h"
#include "platform/session/session.h"

namespace pellora::session {

// The data-access object on a company database, whatever its engine: the add-in's T-SQL text is
// translated and run by one Session; failures raise kDatabaseError with the engine's message and
// the failing statement. An engine gives only how its backend opens.
class SessionDataAccess : public DataAccess {
 public:
  // The backend on the company a connection string names, or nullptr, creating nothing, when it
  // cannot be opened.
  using BackendOpener = std::function<std::unique_ptr<EngineBackend>(const std::string&)>;

  // `source` names the engine in the errors.
  SessionDataAccess(const char* source, BackendOpener open)
      : source_(source), open_(std::move(open)) {}

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

  const char* source_;
  BackendOpener open_;
  std::shared_ptr<Session> session_;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_SESSION_DATA_ACCESS_H_
