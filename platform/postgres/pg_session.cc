#include "platform/postgres/pg_session.h"

#include "platform/postgres/pg_batch_runner.h"
#include "platform/postgres/pg_error.h"
#include "platform/postgres/postgres_translator.h"
#include "platform/tsql/repeatable_update.h"

namespace pellora::postgres {
namespace {

// Advisory locks belong to one database: one key serves every company.
constexpr const char* kTakeWriteLock = "SELECT pg_advisory_xact_lock(1349807212)";

}  // namespace

RecordsetPtr PgSession::Run(std::string_view tsql) {
  const bool repeat = InTransaction() && !last_repeatable_.empty() && tsql == last_repeatable_;
  last_repeatable_.clear();
  const Steps translated = Translation(tsql);
  if (repeat) {
    last_repeatable_ = tsql;
    auto empty = std::make_shared<Recordset>();
    empty->Open();
    return empty;
  }
  RecordsetPtr rows = RunSteps(tsql, *translated, {});
  if (InTransaction() && translated->repeatable_update) last_repeatable_ = tsql;
  return rows;
}

RecordsetPtr PgSession::Run(std::string_view tsql, const std::vector<Variant>& values) {
  last_repeatable_.clear();
  return RunSteps(tsql, *Translation(tsql), values);
}

RecordsetPtr PgSession::RunSteps(std::string_view tsql, const Translated& translated,
                                 const std::vector<Variant>& values) {
  PgBatchRunner runner(*connection_, values);
  RecordsetPtr rows;
  try {
    rows = runner.Run(translated.steps);
  } catch (...) {
    if (runner.ChangedSchema()) ForgetSchema();
    throw;
  }
  if (runner.ChangedSchema()) ForgetSchema();
  runner.CheckEveryValueUsed(tsql);
  if (rows) return rows;
  auto empty = std::make_shared<Recordset>();
  empty->Open();
  return empty;
}

void PgSession::Begin() {
  const bool outermost = !connection_->InTransaction();
  connection_->Begin();
  if (!outermost) return;
  try {
    connection_->Run(kTakeWriteLock);
  } catch (...) {
    connection_->Rollback();  // busy beyond the wait: no transaction was begun
    throw;
  }
}

void PgSession::Rollback() {
  NoteWrite();
  connection_->Rollback();
  ForgetSchema();  // tables created or altered since the Begin may be gone
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
