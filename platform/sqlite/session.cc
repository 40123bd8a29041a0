#include "platform/sqlite/session.h"

#include "platform/sqlite/batch_runner.h"
#include "platform/sqlite/repeatable_update.h"
#include "platform/sqlite/savepoint.h"
#include "runtime/error.h"

namespace pellora::sqlite {

RecordsetPtr Session::Run(std::string_view tsql) {
  RecordsetPtr rows;
  if (depth_ == 0 || tsql != last_repeatable_) {
    last_repeatable_.clear();
    rows = BatchRunner(*db_, schema_).Run(TranslateBatch(tsql, schema_));
    if (depth_ > 0 && IsRepeatableUpdate(tsql)) last_repeatable_ = tsql;
  }
  if (rows) return rows;
  auto empty = std::make_shared<Recordset>();
  empty->Open();
  return empty;
}

void Session::Begin() {
  db_->Execute("SAVEPOINT " + LevelName(depth_ + 1));
  ++depth_;
}

void Session::Commit() {
  if (depth_ == 0) {
    throw Error(kDatabaseError, kErrorSource, "Não há nenhuma transação aberta para confirmar");
  }
  const std::string name = LevelName(depth_--);
  db_->Execute("RELEASE " + name);
  NoteWrite();
}

void Session::Rollback() {
  if (depth_ == 0) {
    throw Error(kDatabaseError, kErrorSource, "Não há nenhuma transação aberta para anular");
  }
  const std::string name = LevelName(depth_--);
  RollbackSavepoint(*db_, name);
  NoteWrite();
  schema_.Invalidate();  // tables created or altered since the Begin may be gone
}

std::string Session::LevelName(int level) {
  return "pellora_transaction_" + std::to_string(level);
}

std::shared_ptr<Session> LockSession(const std::weak_ptr<Session>& session) {
  std::shared_ptr<Session> locked = session.lock();
  if (!locked) RaiseNotOpen();
  return locked;
}

void RaiseNotOpen() {
  throw Error(kObjectNotSet, kErrorSource, "A ligação à base de dados não está aberta");
}

}  // namespace pellora::sqlite
