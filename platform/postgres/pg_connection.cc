#include "platform/postgres/pg_connection.h"

#include "interfaces/data_access.h"
#include "platform/postgres/pg_connection_parameters.h"
#include "platform/postgres/pg_error.h"
#include "platform/postgres/pg_pipeline.h"
#include "platform/postgres/pg_recordset_loader.h"
#include "platform/postgres/pg_value.h"

namespace pellora::postgres {
namespace {

// Each statement inside a transaction runs under this savepoint, so that its failure leaves
// the transaction usable, as SQL Server leaves it.
constexpr const char* kStatementSavepoint = "pellora_statement";

std::string LevelName(int level) {
  return "pellora_level_" + std::to_string(level);
}

// The server's notices (a table that did not exist, skipped) are no concern of the operator.
void IgnoreNotice(void*, const char*) {}

}  // namespace

std::unique_ptr<PgConnection> PgConnection::Open(const PgAddress& address,
                                                 const std::string& company,
                                                 std::chrono::milliseconds lock_timeout) {
  const ConnectionParameters parameters(address, company, lock_timeout);
  PGconn* connection = PQconnectdbParams(parameters.keywords(), parameters.values(), 0);
  if (PQstatus(connection) != CONNECTION_OK) {
    std::string reason = connection == nullptr ? "sem memória" : PQerrorMessage(connection);
    PQfinish(connection);
    reason.erase(reason.find_last_not_of(" \t\r\n") + 1);
    throw Error(kDatabaseError, kErrorSource,
                Masked("Não foi possível ligar à base de dados " + company + " no servidor " +
                           address.Display() + ": " + reason,
                       address.password.value_or("")));
  }
  PQsetNoticeProcessor(connection, IgnoreNotice, nullptr);
  return std::unique_ptr<PgConnection>(new PgConnection(connection, company, lock_timeout));
}

PgConnection::PgConnection(PGconn* connection, std::string company,
                           std::chrono::milliseconds lock_timeout)
    : connection_(connection),
      company_(std::move(company)),
      lock_timeout_(lock_timeout),
      catalog_(connection) {}

PgConnection::~PgConnection() {
  Close();
}

void PgConnection::Close() {
  if (connection_ == nullptr) return;
  PQfinish(connection_);
  connection_ = nullptr;
  depth_ = 0;
  statements_.Clear();
  catalog_.Forget();
}

PGconn* PgConnection::Handle() const {
  if (connection_ == nullptr) {
    RaiseNotOpen(kErrorSource);
  }
  return connection_;
}

void PgConnection::Fail(const PGresult* result, std::string_view statement) const {
  const std::string sqlstate = SqlState(result);
  if (sqlstate == kLockNotAvailable) RaiseBusy(company_, lock_timeout_);
  if (sqlstate == kSerializationFailure || sqlstate == kDeadlockDetected) {
    RaiseConflict(sqlstate, statement);
  }
  RaiseStatementError(result, connection_, statement);
}

bool PgConnection::ServerInTransaction() const {
  if (connection_ == nullptr) return false;
  const PGTransactionStatusType status = PQtransactionStatus(connection_);
  return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}

void PgConnection::Control(const std::string& sql) {
  PGconn* connection = Handle();
  if (observer_) observer_->Starting(sql);
  const PgResult result(PQexec(connection, sql.c_str()));
  if (!Succeeded(result)) Fail(result.get(), sql);
  if (observer_) observer_->Ran(sql);
}

RecordsetPtr PgConnection::Run(std::string_view sql, const std::vector<Variant>& values) {
  PGconn* connection = Handle();
  const std::string text(sql);
  if (observer_) observer_->Starting(text);
  std::vector<std::optional<std::string>> parameters;
  parameters.reserve(values.size());
  for (const Variant& value : values) parameters.push_back(ParameterText(value));
  std::vector<const char*> pointers;
  pointers.reserve(parameters.size());
  for (const auto& value : parameters) pointers.push_back(value ? value->c_str() : nullptr);

  // A text worth preparing is prepared the first time it is sent, in the same exchange.
  const bool prepare = PgStatementCache::WorthPreparing(text);
  PgPrepared* kept = prepare ? statements_.Find(text) : nullptr;
  std::string fresh;
  if (prepare && kept == nullptr) {
    std::optional<std::string> evicted;
    kept = &statements_.Add(text, evicted);
    fresh = kept->name;
    if (evicted) Control("DEALLOCATE " + *evicted);
  }

  const bool guarded = depth_ > 0;
  const std::string savepoint(kStatementSavepoint);
  PgPipeline pipeline(connection);
  if (guarded) pipeline.Execute("SAVEPOINT " + savepoint);
  const size_t prepared = fresh.empty() ? 0 : pipeline.Prepare(fresh, text);
  const size_t statement =
      prepare ? pipeline.ExecutePrepared(kept->name, pointers) : pipeline.Execute(text, pointers);
  if (guarded) pipeline.Execute("RELEASE SAVEPOINT " + savepoint);
  const std::vector<PgResult> results = pipeline.Run();

  for (const PgResult& result : results) {
    if (Succeeded(result)) continue;
    if (!fresh.empty() && !Succeeded(results[prepared])) statements_.Forget(text);
    if (guarded) Control("ROLLBACK TO SAVEPOINT " + savepoint + "; RELEASE SAVEPOINT " + savepoint);
    Fail(result.get(), text);
  }
  if (observer_) observer_->Ran(text);
  return LoadRecordset(results[statement].get(), catalog_, kept ? &kept->fields : nullptr);
}

void PgConnection::Begin(Isolation isolation) {
  if (depth_ == 0) {
    Control(isolation == Isolation::kSnapshot ? "BEGIN ISOLATION LEVEL REPEATABLE READ" : "BEGIN");
  } else {
    Control("SAVEPOINT " + LevelName(depth_ + 1));
  }
  ++depth_;
}

void PgConnection::Commit() {
  if (depth_ == 0) {
    throw Error(kDatabaseError, kErrorSource, "Não há nenhuma transação aberta para confirmar");
  }
  // The server answers COMMIT of a failed transaction by rolling it back, without an error.
  if (depth_ == 1 && PQtransactionStatus(Handle()) == PQTRANS_INERROR) {
    depth_ = 0;
    Control("ROLLBACK");
    throw PgError("", "A transação falhou e foi anulada; nada foi gravado");
  }
  try {
    Control(depth_ == 1 ? std::string("COMMIT") : "RELEASE SAVEPOINT " + LevelName(depth_));
  } catch (...) {
    // A COMMIT the server refused has rolled the transaction back; one that never reached it
    // has not, and Rollback ends it.
    if (depth_ == 1 && !ServerInTransaction()) depth_ = 0;
    throw;
  }
  --depth_;
}

void PgConnection::Rollback() {
  if (depth_ == 0) {
    throw Error(kDatabaseError, kErrorSource, "Não há nenhuma transação aberta para anular");
  }
  const int level = depth_--;
  if (level == 1) {
    Control("ROLLBACK");
  } else {
    Control("ROLLBACK TO SAVEPOINT " + LevelName(level) + "; RELEASE SAVEPOINT " +
            LevelName(level));
  }
  catalog_.Forget();  // tables created or altered since the Begin may be gone
}

void PgConnection::ForgetSchema() {
  catalog_.Forget();
  if (statements_.size() == 0) return;
  statements_.Clear();
  Control("DEALLOCATE ALL");
}

}  // namespace pellora::postgres
