#include "platform/sqlite/sqlite_data_access.h"

#include "platform/sqlite/connection_string.h"
#include "platform/sqlite/row_writer.h"
#include "platform/sqlite/savepoint.h"
#include "platform/sqlite/sqlite_connection.h"
#include "platform/tsql/session_lock.h"

namespace pellora::sqlite {
namespace {

// Writes each row to the table as Update posts it.
class ImmediateWriter : public RecordsetWriter {
 public:
  explicit ImmediateWriter(std::weak_ptr<Session> session) : session_(std::move(session)) {}

  void WriteRow(Recordset& recordset, size_t row) override {
    std::shared_ptr<Session> session = tsql::LockSession(session_, kErrorSource);
    session->NoteWrite();
    WriteRecordsetRow(session->db(), recordset, row);
  }

 private:
  std::weak_ptr<Session> session_;
};

}  // namespace

void SqliteDataAccess::BeginTransaction() {
  Open().Begin();
}

bool SqliteDataAccess::CloseConnection() {
  session_.reset();  // an open transaction is rolled back as the database closes
  return true;
}

void SqliteDataAccess::CommitTransaction() {
  Open().Commit();
}

bool SqliteDataAccess::ExecuteCommand(const std::string& /*context*/, const std::string& sql) {
  Open().Run(sql);
  return true;
}

RecordsetPtr SqliteDataAccess::RunWithValues(const std::string& sql,
                                             const std::vector<Variant>& values) {
  return Open().Run(sql, values);
}

bool SqliteDataAccess::OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset,
                                              int /*cursor_type*/, int /*lock_type*/) {
  recordset = Open().Run(sql);
  recordset->SetWriter(std::make_shared<ImmediateWriter>(session_));
  return true;
}

bool SqliteDataAccess::OpenRecordset(const std::string& /*context*/, const std::string& sql,
                                     RecordsetPtr& recordset, bool /*client_cursor*/,
                                     int /*options*/) {
  recordset = Open().Run(sql);
  return true;
}

bool SqliteDataAccess::InTransaction() {
  return Open().InTransaction();
}

bool SqliteDataAccess::OpenConnection(const std::string& connection_string) {
  session_.reset();
  const ConnectionString connection(connection_string);
  std::unique_ptr<Database> db = Database::OpenExisting(
      connection.DatabaseFile(), connection.Value("Initial Catalog"), busy_timeout_);
  if (!db) return false;
  session_ = std::make_shared<Session>(std::move(db));
  return true;
}

bool SqliteDataAccess::SaveRecordset(const std::string& /*context*/, RecordsetPtr& recordset) {
  Session& session = Open();
  if (!recordset) tsql::RaiseNotOpen(kErrorSource);
  session.NoteWrite();
  Savepoint savepoint(session.db(), "pellora_save_recordset");
  for (size_t row = 0; row < recordset->RowCountAll(); ++row) {
    WriteRecordsetRow(session.db(), *recordset, row);
  }
  savepoint.Release();
  recordset->AcceptChanges();
  return true;
}

void SqliteDataAccess::RollbackTransaction() {
  Open().Rollback();
}

void SqliteDataAccess::GetConnection(std::shared_ptr<Connection>& connection) {
  Open();
  connection = std::make_shared<SqliteConnection>(session_);
}

Session& SqliteDataAccess::Open() {
  if (!session_) tsql::RaiseNotOpen(kErrorSource);
  return *session_;
}

}  // namespace pellora::sqlite
