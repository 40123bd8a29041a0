#include "platform/postgres/pg_session.h"

#include "platform/postgres/pg_batch_runner.h"
#include "platform/postgres/pg_error.h"
#include "platform/postgres/postgres_translator.h"
#include "platform/tsql/repeatable_update.h"

namespace pellora::postgres {
namespace {

// Advisory locks belong to one database: one key serves every company. The lock is the
// session's, taken before the transaction begins so that the transaction's snapshot holds the
// work of the workstation that had the lock before; it goes with the session if this one dies.
constexpr const char* kTakeWriteLock = "SELECT pg_advisory_lock(1349807212)";
constexpr const char* kReleaseWriteLock = "SELECT pg_advisory_unlock(1349807212)";

}  // namespace

RecordsetPtr PgSession::Run(std::string_view tsql) {
  if (InTransaction()) {
    if (RecordsetPtr kept = results_.Find(tsql)) {
      last_repeatable_.clear();
      return kept;
    }
  }
  const bool repeat = InTransaction() && !last_repeatable_.empty() && tsql == last_repeatable_;
  last_repeatable_.clear();
  const Steps translated = Translation(tsql);
  if (repeat) {
    last_repeatable_ = tsql;
    auto empty = std::make_shared<Recordset>();
    empty->Open();
    return empty;
  }
  RecordsetPtr rows = RunSteps(tsql, *translated, {}, true);
  if (InTransaction() && translated->repeatable_update) last_repeatable_ = tsql;
  return rows;
}

RecordsetPtr PgSession::Run(std::string_view tsql, const std::vector<Variant>& values) {
  last_repeatable_.clear();
  return RunSteps(tsql, *Translation(tsql), values, false);
}

RecordsetPtr PgSession::RunSteps(std::string_view tsql, const Translated& translated,
                                 const std::vector<Variant>& values, bool keep) {
  PgBatchRunner runner(*connection_, values);
  RecordsetPtr rows;
  try {
    rows = runner.Run(translated.steps);
  } catch (...) {
    results_.Clear();  // what ran before the failure may have written
    if (runner.ChangedSchema()) ForgetSchema();
    throw;
  }
  if (runner.ChangedSchema()) ForgetSchema();
  runner.CheckEveryValueUsed(tsql);
  if (!runner.OnlyRead()) {
    results_.Clear();
  } else if (keep && rows && InTransaction()) {
    results_.Keep(tsql, *rows);
  }
  if (rows) return rows;
  auto empty = std::make_shared<Recordset>();
  empty->Open();
  return empty;
}

void PgSession::Begin() {
  if (connection_->InTransaction()) return connection_->Begin();
  connection_->Run(kTakeWriteLock);  // busy beyond the wait: raises, no transaction begun
  try {
    connection_->Begin(Isolation::kSnapshot);
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
  if (const auto found = translations_.find(tsql); found != translations_.end()) {
    return found->second;
  }
  auto translated = std::make_shared<Translated>();
  translated->steps = TranslateBatch(tsql, schema_);
  translated->repeatable_update = tsql::IsRepeatableUpdate(tsql);
  if (translations_.size() >= kTranslationsKept) translations_.clear();
  translations_.emplace(std::string(tsql), translated);
  return translated;
}

void PgSession::ForgetSchema() {
  connection_->ForgetSchema();
  schema_.Forget();
  translations_.clear();
}

}  // namespace pellora::postgres
