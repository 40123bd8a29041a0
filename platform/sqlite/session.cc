#include "platform/sqlite/session.h"

#include "platform/sqlite/batch_runner.h"
#include "platform/sqlite/savepoint.h"
#include "platform/sqlite/tsql_translator.h"
#include "runtime/error.h"

namespace pellora::sqlite {

RecordsetPtr Session::Run(std::string_view tsql) {
  if (RecordsetPtr recalled = memory_.Recall(tsql)) return recalled;
  const std::shared_ptr<const tsql::Translation> translation = Translated(tsql);
  BatchRunner runner(*db_, schema_);
  RecordsetPtr rows = RunSteps(runner, translation->steps);
  memory_.NoteRun(tsql, depth_ > 0, translation->repeatable_update, runner.OnlyRead(), rows);
  return rows ? rows : tsql::EmptyRecordset();
}

RecordsetPtr Session::Run(std::string_view tsql, const std::vector<Variant>& values) {
  const std::shared_ptr<const tsql::Translation> translation = Translated(tsql);
  std::vector<SqlValue> stored;
  stored.reserve(values.size());
  for (const Variant& value : values) stored.push_back(FromVariant(value));
  BatchRunner runner(*db_, schema_, std::move(stored));
  RecordsetPtr rows = RunSteps(runner, translation->steps);
  runner.CheckEveryValueUsed(tsql);
  memory_.NoteRunWithValues(runner.OnlyRead());
  return rows ? rows : tsql::EmptyRecordset();
}

std::shared_ptr<const tsql::Translation> Session::Translated(std::string_view tsql) {
  // Reading the schema while translating does not change it.
  return translations_.Get(tsql, schema_.generation(),
                           [this](std::string_view text) { return TranslateBatch(text, schema_); });
}

RecordsetPtr Session::RunSteps(BatchRunner& runner, const std::vector<Step>& steps) {
  try {
    return runner.Run(steps);
  } catch (...) {
    memory_.Forget();
    throw;
  }
}

// The outermost level takes the write lock at once, waiting while another workstation holds
// it: two writers never read the same rows and then both write them.
void Session::Begin() {
  db_->Execute(depth_ == 0 ? std::string("BEGIN IMMEDIATE") : "SAVEPOINT " + LevelName(depth_ + 1));
  ++depth_;
}

void Session::Commit() {
  if (depth_ == 0) {
    throw Error(kDatabaseError, kErrorSource, "Não há nenhuma transação aberta para confirmar");
  }
  const int level = depth_--;
  db_->Execute(level == 1 ? std::string("COMMIT") : "RELEASE " + LevelName(level));
  NoteWrite();
}

void Session::Rollback() {
  if (depth_ == 0) {
    throw Error(kDatabaseError, kErrorSource, "Não há nenhuma transação aberta para anular");
  }
  const int level = depth_--;
  if (level > 1) {
    RollbackSavepoint(*db_, LevelName(level));
  } else if (sqlite3_get_autocommit(db_->handle()) == 0) {
    db_->Execute("ROLLBACK");
  }
  NoteWrite();
  schema_.Invalidate();  // tables created or altered since the Begin may be gone
}

std::string Session::LevelName(int level) {
  return "pellora_transaction_" + std::to_string(level);
}

}  // namespace pellora::sqlite
