#include "platform/sqlite/session.h"

#include "platform/sqlite/batch_runner.h"
#include "platform/sqlite/savepoint.h"
#include "runtime/error.h"

namespace pellora::sqlite {

namespace {

RecordsetPtr RowsOrEmpty(RecordsetPtr rows) {
  if (rows) return rows;
  auto empty = std::make_shared<Recordset>();
  empty->Open();
  return empty;
}

}  // namespace

RecordsetPtr Session::Run(std::string_view tsql) {
  if (depth_ > 0) {
    if (RecordsetPtr kept = results_.Find(tsql)) {
      last_repeatable_.clear();
      return kept;
    }
  }
  RecordsetPtr rows;
  if (depth_ == 0 || tsql != last_repeatable_) {
    last_repeatable_.clear();
    const std::shared_ptr<const Translation> translation = translations_.Get(tsql, schema_);
    BatchRunner runner(*db_, schema_);
    rows = runner.Run(translation->steps);
    NoteRun(tsql, runner, rows);
    if (depth_ > 0 && translation->repeatable_update) last_repeatable_ = tsql;
  }
  return RowsOrEmpty(std::move(rows));
}

RecordsetPtr Session::Run(std::string_view tsql, const std::vector<Variant>& values) {
  last_repeatable_.clear();
  const std::shared_ptr<const Translation> translation = translations_.Get(tsql, schema_);
  std::vector<SqlValue> stored;
  stored.reserve(values.size());
  for (const Variant& value : values) stored.push_back(FromVariant(value));
  BatchRunner runner(*db_, schema_, std::move(stored));
  RecordsetPtr rows = runner.Run(translation->steps);
  runner.CheckEveryValueUsed(tsql);
  if (!runner.OnlyRead()) results_.Clear();
  return RowsOrEmpty(std::move(rows));
}

void Session::NoteRun(std::string_view tsql, const BatchRunner& runner, const RecordsetPtr& rows) {
  if (!runner.OnlyRead()) {
    results_.Clear();
  } else if (depth_ > 0 && rows) {
    results_.Keep(tsql, *rows);
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
