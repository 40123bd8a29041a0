#include "platform/session/session_data_access.h"

namespace pellora::session {
namespace {

// The session that a recordset or a connection handed out still works on: once the data-access
// object has closed the company, their work fails.
std::shared_ptr<Session> Lock(const std::weak_ptr<Session>& session, const char* source) {
  std::shared_ptr<Session> locked = session.lock();
  if (!locked) RaiseNotOpen(source);
  return locked;
}

// Writes each row to the table as Update posts it.
class ImmediateWriter : public RecordsetWriter {
 public:
  ImmediateWriter(std::weak_ptr<Session> session, const char* source)
      : session_(std::move(session)), source_(source) {}

  void WriteRow(Recordset& recordset, size_t row) override {
    Lock(session_, source_)->WriteRow(recordset, row);
  }

 private:
  std::weak_ptr<Session> session_;
  const char* source_;
};

// The Connection the data-access object hands out.
class SessionConnection : public Connection {
 public:
  SessionConnection(std::weak_ptr<Session> session, const char* source)
      : session_(std::move(session)), source_(source) {}

  RecordsetPtr Execute(const std::string& sql) override {
    return Lock(session_, source_)->Run(sql);
  }

 private:
  std::weak_ptr<Session> session_;
  const char* source_;
};

}  // namespace

void SessionDataAccess::BeginTransaction() {
  Open().Begin();
}

bool SessionDataAccess::CloseConnection() {
  session_.reset();  // the engine rolls back an open transaction as the connection ends
  return true;
}

void SessionDataAccess::CommitTransaction() {
  Open().Commit();
}

bool SessionDataAccess::ExecuteCommand(const std::string& /*context*/, const std::string& sql) {
  Open().Run(sql);
  return true;
}

RecordsetPtr SessionDataAccess::RunWithValues(const std::string& sql,
                                              const std::vector<Variant>& values) {
  return Open().Run(sql, values);
}

void SessionDataAccess::RunAllWithValues(const std::vector<ValuedStatement>& statements) {
  Open().RunAll(statements);
}

void SessionDataAccess::AppendRows(const std::string& table, const Recordset& rows) {
  Open().AppendRows(table, rows);
}

bool SessionDataAccess::OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset,
                                               int /*cursor_type*/, int /*lock_type*/) {
  recordset = Open().Run(sql);
  recordset->SetWriter(std::make_shared<ImmediateWriter>(session_, source_));
  return true;
}

bool SessionDataAccess::OpenRecordset(const std::string& /*context*/, const std::string& sql,
                                      RecordsetPtr& recordset, bool /*client_cursor*/,
                                      int /*options*/) {
  recordset = Open().Run(sql);
  return true;
}

bool SessionDataAccess::InTransaction() {
  return Open().InTransaction();
}

bool SessionDataAccess::OpenConnection(const std::string& connection_string) {
  session_.reset();
  std::unique_ptr<EngineBackend> backend = OpenBackend(connection_string, observer_);
  if (!backend) return false;
  session_ = std::make_shared<Session>(std::move(backend));
  return true;
}

bool SessionDataAccess::SaveRecordset(const std::string& /*context*/, RecordsetPtr& recordset) {
  Session& session = Open();
  if (!recordset) RaiseNotOpen(source_);
  session.WriteRows(*recordset);
  return true;
}

void SessionDataAccess::RollbackTransaction() {
  Open().Rollback();
}

void SessionDataAccess::GetConnection(std::shared_ptr<Connection>& connection) {
  Open();
  connection = std::make_shared<SessionConnection>(session_, source_);
}

Session& SessionDataAccess::Open() {
  if (!session_) RaiseNotOpen(source_);
  return *session_;
}

}  // namespace pellora::session
