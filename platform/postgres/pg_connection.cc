#include "platform/postgres/pg_connection.h"

#include <poll.h>

#include <cerrno>
#include <cstdlib>

#include "interfaces/data_access.h"
#include "platform/postgres/pg_connection_parameters.h"
#include "platform/postgres/pg_error.h"
#include "platform/postgres/pg_failure.h"
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

// Connects as PQconnectdbParams does, but with the server's errors in their verbose form, which
// names their SQLSTATE: the cause of a refusal is told without reading the server's words.
PGconn* Connect(const ConnectionParameters& parameters) {
  PGconn* connection = PQconnectStartParams(parameters.keywords(), parameters.values(), 0);
  if (connection == nullptr || PQstatus(connection) == CONNECTION_BAD) return connection;
  PQsetNoticeProcessor(connection, IgnoreNotice, nullptr);
  PQsetErrorVerbosity(connection, PQERRORS_VERBOSE);
  // libpq leaves the connect_timeout of a connection made step by step to its caller.
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::seconds(std::atoi(parameters.ValueOf("connect_timeout")));
  PostgresPollingStatusType status = PGRES_POLLING_WRITING;
  while (status != PGRES_POLLING_OK && status != PGRES_POLLING_FAILED) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    const short wanted = status == PGRES_POLLING_READING ? POLLIN : POLLOUT;
    pollfd socket{PQsocket(connection), wanted, 0};
    if (poll(&socket, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    status = PQconnectPoll(connection);
  }
  PQsetErrorVerbosity(connection, PQERRORS_DEFAULT);
  return connection;
}

}  // namespace

std::unique_ptr<PgConnection> PgConnection::Open(const PgAddress& address,
                                                 const std::string& company,
                                                 std::chrono::milliseconds lock_timeout,
                                                 std::chrono::milliseconds silence_limit) {
  const ConnectionParameters parameters(address, company, lock_timeout, silence_limit);
  PGconn* connection = Connect(parameters);
  if (PQstatus(connection) != CONNECTION_OK) {
    try {
      RaiseConnectFailure(connection, company);
    } catch (...) {
      PQfinish(connection);
      throw;
    }
  }
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
  if (ConnectionLost(connection_)) RaiseConnectionLost(connection_, result, statement);
  const std::string sqlstate = SqlState(result);
  if (sqlstate == kInsufficientPrivilege) RaisePermissionDenied(connection_, result, statement);
  if (sqlstate == kLockNotAvailable) RaiseBusy(company_, lock_timeout_);
  if (sqlstate == kSerializationFailure || sqlstate == kDeadlockDetected) {
    RaiseConflict(statement);
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

PgConnection::Queued::Queued(std::string sql, const std::vector<Variant>& values)
    : text(std::move(sql)) {
  parameters.reserve(values.size());
  for (const Variant& value : values) parameters.push_back(ParameterText(value));
}

// A text worth preparing is prepared the first time it is sent, in the same exchange.
void PgConnection::Queue(PgPipeline& pipeline, Queued& statement,
                         std::vector<std::string>* evicted) {
  // Taken where the statement stays until the exchange is over.
  statement.pointers.clear();
  for (const auto& value : statement.parameters) {
    statement.pointers.push_back(value ? value->c_str() : nullptr);
  }
  const bool prepare = PgStatementCache::WorthPreparing(statement.text);
  statement.kept = prepare ? statements_.Find(statement.text) : nullptr;
  if (prepare && statement.kept == nullptr) {
    std::optional<std::string> let_go;
    statement.kept = &statements_.Add(statement.text, let_go);
    if (let_go && evicted != nullptr) {
      evicted->push_back(std::move(*let_go));
    } else if (let_go) {
      pipeline.Execute("DEALLOCATE " + *let_go);
    }
    statement.prepared = pipeline.Prepare(statement.kept->name, statement.text);
  }
  statement.result = prepare ? pipeline.ExecutePrepared(statement.kept->name, statement.pointers)
                             : pipeline.Execute(statement.text, statement.pointers);
}

const PgConnection::Queued* PgConnection::FirstFailed(const std::vector<PgResult>& results,
                                                      std::span<Queued> statements) {
  const Queued* failed = nullptr;
  for (const Queued& statement : statements) {
    if (statement.prepared && !Succeeded(results[*statement.prepared])) {
      statements_.Forget(statement.text);
    }
    if (failed == nullptr && (!Succeeded(results[statement.result]) ||
                              (statement.prepared && !Succeeded(results[*statement.prepared])))) {
      failed = &statement;
    }
  }
  return failed;
}

RecordsetPtr PgConnection::Run(std::string_view sql, const std::vector<Variant>& values) {
  PGconn* connection = Handle();
  Queued statement{std::string(sql), values};
  if (observer_) observer_->Starting(statement.text);
  const bool guarded = depth_ > 0;
  const std::string savepoint(kStatementSavepoint);
  PgPipeline pipeline(connection);
  if (guarded) pipeline.Execute("SAVEPOINT " + savepoint);
  Queue(pipeline, statement, nullptr);
  if (guarded) pipeline.Execute("RELEASE SAVEPOINT " + savepoint);
  const std::vector<PgResult> results = pipeline.Run();

  for (const PgResult& result : results) {
    if (Succeeded(result)) continue;
    FirstFailed(results, std::span(&statement, 1));
    if (guarded && !ConnectionLost(connection)) {
      Control("ROLLBACK TO SAVEPOINT " + savepoint + "; RELEASE SAVEPOINT " + savepoint);
    }
    Fail(result.get(), statement.text);
  }
  if (observer_) observer_->Ran(statement.text);
  return LoadRecordset(results[statement.result].get(), catalog_,
                       statement.kept ? &statement.kept->fields : nullptr);
}

void PgConnection::RunAll(const std::vector<PgStatement>& statements) {
  PGconn* connection = Handle();
  std::vector<Queued> queued;
  queued.reserve(statements.size());
  for (const PgStatement& statement : statements) {
    queued.emplace_back(statement.sql, statement.values);
    // Before anything is queued: a statement refused here leaves the prepared texts as they were.
    if (observer_) observer_->Starting(statement.sql);
  }
  std::vector<std::string> evicted;
  PgPipeline pipeline(connection);
  for (Queued& statement : queued) Queue(pipeline, statement, &evicted);
  // After every use of them in the exchange.
  for (const std::string& name : evicted) pipeline.Execute("DEALLOCATE " + name);
  const std::vector<PgResult> results = pipeline.Run();
  if (const Queued* failed = FirstFailed(results, queued)) {
    const PgResult& result = failed->prepared && !Succeeded(results[*failed->prepared])
                                 ? results[*failed->prepared]
                                 : results[failed->result];
    Fail(result.get(), failed->text);
  }
  for (const PgResult& result : results) {
    if (!Succeeded(result)) Fail(result.get(), "DEALLOCATE");
  }
  if (observer_) {
    for (const Queued& statement : queued) observer_->Ran(statement.text);
  }
}

void PgConnection::CopyIn(const std::string& copy, const std::function<bool(std::string&)>& next) {
  PGconn* connection = Handle();
  if (observer_) observer_->Starting(copy);
  const PgResult started(PQexec(connection, copy.c_str()));
  if (PQresultStatus(started.get()) != PGRES_COPY_IN) Fail(started.get(), copy);
  std::string buffer;
  bool more = true;
  bool sent = true;
  try {
    while (more && sent) {
      buffer.clear();
      more = next(buffer);
      sent = buffer.empty() ||
             PQputCopyData(connection, buffer.data(), static_cast<int>(buffer.size())) == 1;
    }
  } catch (...) {
    EndCopy("interrompida");
    throw;
  }
  const PgResult failed = EndCopy(nullptr);
  if (failed || !sent) Fail(failed.get(), copy);
  if (observer_) observer_->Ran(copy);
}

PgResult PgConnection::EndCopy(const char* refusal) {
  if (PQputCopyEnd(connection_, refusal) != 1) {
    return PgResult(PQmakeEmptyPGresult(connection_, PGRES_FATAL_ERROR));
  }
  PgResult failed;
  while (PgResult result{PQgetResult(connection_)}) {
    if (!failed && !Succeeded(result)) failed = std::move(result);
  }
  return failed;
}

void PgConnection::Begin() {
  if (depth_ == 0) {
    Control("BEGIN");
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

void PgConnection::RunAsOneTransaction(const std::function<void()>& work) {
  Begin();
  try {
    work();
  } catch (...) {
    try {
      Rollback();
    } catch (...) {
    }
    throw;
  }
  Commit();
}

void PgConnection::ForgetSchema() {
  catalog_.Forget();
  if (statements_.size() == 0) return;
  statements_.Clear();
  Control("DEALLOCATE ALL");
}

}  // namespace pellora::postgres
