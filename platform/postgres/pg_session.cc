#include "platform/postgres/pg_session.h"

#include "platform/postgres/pg_batch_runner.h"
#include "platform/postgres/pg_error.h"
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

RecordsetPtr PgSession::Run(std::string_view tsql) {
  if (!InTransaction() && !tsql::OnlyReads(tsql)) return Alone([&] { return Run(tsql); });
  if (RecordsetPtr recalled = memory_.Recall(tsql)) return recalled;
  const Steps translated = Translation(tsql);
  bool only_read = true;
  RecordsetPtr rows = RunSteps(tsql, *translated, {}, only_read);
  memory_.NoteRun(tsql, InTransaction(), translated->repeatable_update, only_read, rows);
  return rows ? rows : tsql::EmptyRecordset();
}

RecordsetPtr PgSession::Run(std::string_view tsql, const std::vector<Variant>& values) {
  if (!InTransaction() && !tsql::OnlyReads(tsql)) return Alone([&] { return Run(tsql, values); });
  bool only_read = true;
  RecordsetPtr rows = RunSteps(tsql, *Translation(tsql), values, only_read);
  memory_.NoteRunWithValues(only_read);
  return rows ? rows : tsql::EmptyRecordset();
}

RecordsetPtr PgSession::RunSteps(std::string_view tsql, const Translated& translated,
                                 const std::vector<Variant>& values, bool& only_read) {
  PgBatchRunner runner(*connection_, values);
  RecordsetPtr rows;
  try {
    rows = runner.Run(translated.steps);
  } catch (...) {
    memory_.Forget();  // what ran before the failure may have written
    if (runner.ChangedSchema()) ForgetSchema();
    throw;
  }
  if (runner.ChangedSchema()) ForgetSchema();
  runner.CheckEveryValueUsed(tsql);
  only_read = runner.OnlyRead();
  return rows;
}

RecordsetPtr PgSession::Alone(const std::function<RecordsetPtr()>& run) {
  Begin();
  RecordsetPtr rows;
  try {
    rows = run();
  } catch (...) {
    Rollback();
    throw;
  }
  Commit();
  return rows;
}

void PgSession::Begin() {
  if (connection_->InTransaction()) return connection_->Begin();
  connection_->Run(kTakeWriteLock);  // busy beyond the wait: raises, no transaction begun
  try {
    connection_->Begin();
  } catch (...) {
    ReleaseWriteLockQuietly();
    throw;
  }
}

void PgSession::Commit() {
  NoteWrite();
  if (connection_->Depth() != 1) return connection_->Commit();
  EndOutermost(&PgConnection::Commit);
}

void PgSession::Rollback() {
  NoteWrite();
  if (connection_->Depth() != 1) {
    connection_->Rollback();
  } else {
    EndOutermost(&PgConnection::Rollback);
  }
  ForgetSchema();  // tables created or altered since the Begin may be gone
}

void PgSession::EndOutermost(void (PgConnection::*end)()) {
  try {
    (connection_.get()->*end)();
  } catch (...) {
    ReleaseWriteLockQuietly();
    throw;
  }
  connection_->Run(kReleaseWriteLock);
}

void PgSession::ReleaseWriteLockQuietly() {
  try {
    connection_->Run(kReleaseWriteLock);
  } catch (...) {
    // The connection is gone, and the lock with it; the first error is the one to report.
  }
}

PgSession::Steps PgSession::Translation(std::string_view tsql) {
  return translations_.Get(tsql, schema_.generation(),
                           [this](std::string_view text) { return TranslateBatch(text, schema_); });
}

void PgSession::ForgetSchema() {
  connection_->ForgetSchema();
  schema_.Forget();
}

}  // namespace pellora::postgres
