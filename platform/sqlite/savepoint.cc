#include "platform/sqlite/savepoint.h"

namespace pellora::sqlite {

Savepoint::Savepoint(Database& db, std::string name) : db_(db), name_(std::move(name)) {
  db_.Execute("SAVEPOINT " + name_);
}

Savepoint::~Savepoint() {
  if (!open_) return;
  try {
    RollbackSavepoint(db_, name_);
  } catch (...) {
    // The error that brought us here is the one the caller sees.
  }
}

void Savepoint::Release() {
  db_.Execute("RELEASE " + name_);
  open_ = false;
}

void RollbackSavepoint(Database& db, const std::string& name) {
  if (sqlite3_get_autocommit(db.handle()) != 0) return;
  db.Execute("ROLLBACK TO " + name + "; RELEASE " + name);
}

}  // namespace pellora::sqlite
