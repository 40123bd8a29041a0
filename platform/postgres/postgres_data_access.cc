#include "platform/postgres/postgres_data_access.h"

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_error.h"
#include "platform/postgres/pg_row_writer.h"
#include "platform/tsql/connection_string.h"
#include "platform/tsql/session_lock.h"
#include "runtime/error.h"

namespace pellora::postgres {
namespace {

// Writes each row to the table as Update posts it.
class ImmediateWriter : public RecordsetWriter {
 public:
  explicit ImmediateWriter(std::weak_ptr<PgSession> session) : session_(std::move(session)) {}

  void WriteRow(Recordset& recordset, size_t row) override {
    std::shared_ptr<PgSession> session = tsql::LockSession(session_, kErrorSource);
    session->NoteWrite();
    WriteRecordsetRow(session->connection(), recordset, row);
  }

 private:
  std::weak_ptr<PgSession> session_;
};

// The Connection the data-access object hands out; it fails once that object closes.
class PostgresConnection : public Connection {
 public:
  explicit PostgresConnection(std::weak_ptr<PgSession> session) : session_(std::move(session)) {}

  RecordsetPtr Execute(const std::string& sql) override {
    return tsql::LockSession(session_, kErrorSource)->Run(sql);
  }

 private:
  std::weak_ptr<PgSession> session_;
};

}  // namespace

void PostgresDataAccess::BeginTransaction() {
  Open().Begin();
}

bool PostgresDataAccess::CloseConnection() {
  session_.reset();  // the server rolls back an open transaction as the session ends
  return true;
}

void PostgresDataAccess::CommitTransaction() {
  Open().Commit();
}

bool PostgresDataAccess::ExecuteCommand(const std::string& /*context*/, const std::string& sql) {
  Open().Run(sql);
  return true;
}

RecordsetPtr PostgresDataAccess::RunWithValues(const std::string& sql,
                                               const std::vector<Variant>& values) {
  return Open().Run(sql, values);
}

bool PostgresDataAccess::OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset,
                                                int /*cursor_type*/, int /*lock_type*/) {
  recordset = Open().Run(sql);
  recordset->SetWriter(std::make_shared<ImmediateWriter>(session_));
  return true;
}

bool PostgresDataAccess::OpenRecordset(const std::string& /*context*/, const std::string& sql,
                                       RecordsetPtr& recordset, bool /*client_cursor*/,
                                       int /*options*/) {
  recordset = Open().Run(sql);
  return true;
}

bool PostgresDataAccess::InTransaction() {
  return Open().InTransaction();
}

// A server that cannot be reached or a database that does not exist answer False: nothing is
// created on the server.
bool PostgresDataAccess::OpenConnection(const std::string& connection_string) {
  session_.reset();
  open_failure_.reset();
  const tsql::ConnectionString connection(connection_string);
  const std::optional<PgAddress> address = ParsePgAddress(connection.Value("Data Source"));
  const std::string company = connection.Value("Initial Catalog");
  if (!address || company.empty()) return false;
  try {
    session_ = std::make_shared<PgSession>(
        PgConnection::Open(*address, company, lock_timeout_, silence_limit_));
  } catch (const PgConnectError& failure) {
    open_failure_ = failure;
    return false;
  } catch (const Error&) {
    return false;
  }
  return true;
}

bool PostgresDataAccess::SaveRecordset(const std::string& /*context*/, RecordsetPtr& recordset) {
  PgSession& session = Open();
  if (!recordset) tsql::RaiseNotOpen(kErrorSource);
  session.NoteWrite();
  // Every row or none: a level of its own, undone when a row fails.
  session.Begin();
  try {
    for (size_t row = 0; row < recordset->RowCountAll(); ++row) {
      WriteRecordsetRow(session.connection(), *recordset, row);
    }
  } catch (...) {
    session.Rollback();
    throw;
  }
  session.Commit();
  recordset->AcceptChanges();
  return true;
}

void PostgresDataAccess::RollbackTransaction() {
  Open().Rollback();
}

void PostgresDataAccess::GetConnection(std::shared_ptr<Connection>& connection) {
  Open();
  connection = std::make_shared<PostgresConnection>(session_);
}

PgSession& PostgresDataAccess::Open() {
  if (!session_) tsql::RaiseNotOpen(kErrorSource);
  return *session_;
}

}  // namespace pellora::postgres
