#include "platform/postgres/pg_backend.h"

#include "platform/postgres/pg_batch_runner.h"
#include "platform/postgres/pg_copy.h"
#include "platform/postgres/pg_markers.h"
#include "platform/postgres/pg_row_writer.h"
#include "platform/postgres/postgres_translator.h"
#include "platform/tsql/schema_change.h"

namespace pellora::postgres {
namespace {

// Advisory locks belong to one database: one key serves every company. The lock is the
// session's, taken before the transaction begins; it goes with the session if this one dies.
// Workstations write one at a time under it. The transaction reads committed rows: the stock and
// numbering it increments are locked row by row, so another writer of the same rows (the host's
// sales desk) is waited for, never failed on; the readings it chooses only change under the lock.
constexpr const char* kTakeWriteLock = "SELECT pg_advisory_lock(1349807212)";
constexpr const char* kReleaseWriteLock = "SELECT pg_advisory_unlock(1349807212)";

}  // namespace

std::vector<tsql::Step> PgBackend::Translate(std::string_view tsql) {
  return TranslateBatch(tsql, schema_);
}

session::BatchResult PgBackend::Run(std::string_view tsql, const std::vector<tsql::Step>& steps,
                                    const std::vector<Variant>& values) {
  PgBatchRunner runner(*connection_, values);
  RecordsetPtr rows;
  try {
    rows = runner.Run(steps);
  } catch (...) {
    if (runner.ChangedSchema()) ForgetSchema();
    throw;
  }
  if (runner.ChangedSchema()) ForgetSchema();
  runner.CheckEveryValueUsed(tsql);
  return {std::move(rows), runner.OnlyRead()};
}

void PgBackend::RunAll(const std::vector<session::BatchCommand>& commands) {
  std::vector<std::string> texts;
  texts.reserve(commands.size());
  for (const session::BatchCommand& command : commands) {
    const bool plain = command.steps.size() == 1 &&
                       command.steps[0].kind == tsql::Step::Kind::kSql &&
                       command.steps[0].parameters.empty();
    size_t markers = 0;
    if (plain) texts.push_back(NumberMarkers(command.steps[0].sql, 1, markers));
    if (!plain || markers != command.values.size() || tsql::ChangesSchema(texts.back())) {
      return EngineBackend::RunAll(commands);  // what Run alone knows how to run or refuse
    }
  }
  std::vector<PgStatement> statements;
  statements.reserve(commands.size());
  for (size_t i = 0; i < commands.size(); ++i) {
    statements.push_back({std::move(texts[i]), commands[i].values});
  }
  connection_->RunAll(statements);
}

void PgBackend::Begin(int level) {
  if (level > 1) return connection_->Begin();
  connection_->Run(kTakeWriteLock);  // busy beyond the wait: raises, no transaction begun
  try {
    connection_->Begin();
  } catch (...) {
    LetTheCompanyGo();
    throw;
  }
}

// Once COMMIT succeeded the work is durable, whatever becomes of the lock after it.
void PgBackend::Commit(int level) {
  connection_->Commit();
  if (level == 1) LetTheCompanyGo();
}

void PgBackend::Rollback(int level) {
  if (level > 1) {
    connection_->Rollback();
  } else {
    try {
      if (connection_->InTransaction()) connection_->Rollback();
    } catch (...) {
      LetTheCompanyGo();
      throw;
    }
    LetTheCompanyGo();
  }
  ForgetSchema();
}

void PgBackend::Insert(Recordset& recordset, size_t row, const session::RowChange& change) {
  InsertRow(*connection_, recordset, row, change);
}

void PgBackend::Update(Recordset& recordset, size_t row, const session::RowChange& change) {
  UpdateRow(*connection_, recordset, row, change);
}

void PgBackend::AppendRows(std::string_view table, const Recordset& rows) {
  CopyRows(*connection_, table, rows);
}

void PgBackend::ForgetSchema() {
  connection_->ForgetSchema();
  schema_.Forget();
}

void PgBackend::LetTheCompanyGo() {
  try {
    connection_->Run(kReleaseWriteLock);
  } catch (...) {
    connection_->Close();
  }
}

}  // namespace pellora::postgres
