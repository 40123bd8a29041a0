#include "platform/postgres/pg_session.h"

#include "platform/postgres/pg_batch_runner.h"
#include "platform/postgres/pg_error.h"
#include "platform/postgres/postgres_translator.h"

namespace pellora::postgres {
namespace {

// Advisory locks belong to one database: one key serves every company.
constexpr const char* kTakeWriteLock = "SELECT pg_advisory_xact_lock(1349807212)";

}  // namespace

RecordsetPtr PgSession::Run(std::string_view tsql, const std::vector<Variant>& values) {
  const Steps steps = Translation(tsql);
  PgBatchRunner runner(*connection_, values);
  RecordsetPtr rows;
  try {
    rows = runner.Run(*steps);
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
  connection_->Rollback();
  ForgetSchema();  // tables created or altered since the Begin may be gone
}

PgSession::Steps PgSession::Translation(std::string_view tsql) {
  if (const auto found = translations_.find(tsql); found != translations_.end()) {
    return found->second;
  }
  auto steps = std::make_shared<const std::vector<tsql::Step>>(TranslateBatch(tsql, schema_));
  if (translations_.size() >= kTranslationsKept) translations_.clear();
  translations_.emplace(std::string(tsql), steps);
  return steps;
}

void PgSession::ForgetSchema() {
  connection_->ForgetSchema();
  schema_.Forget();
  translations_.clear();
}

std::shared_ptr<PgSession> LockSession(const std::weak_ptr<PgSession>& session) {
  std::shared_ptr<PgSession> locked = session.lock();
  if (!locked) RaiseNotOpen();
  return locked;
}

void RaiseNotOpen() {
  throw Error(kObjectNotSet, kErrorSource, "A ligação à base de dados não está aberta");
}

}  // namespace pellora::postgres
