#ifndef PELLORA_PLATFORM_SQLITE_SAVEPOINT_H_
#define PELLORA_PLATFORM_SQLITE_SAVEPOINT_H_

#include <string>

#include "platform/sqlite/database.h"

namespace pellora::sqlite {

// Work that either all happens or not at all: a savepoint, rolled back on destruction unless
// released. Inside an open transaction it nests; outside, it is a transaction of its own.
class Savepoint {
 public:
  Savepoint(Database& db, std::string name);
  ~Savepoint();
  Savepoint(const Savepoint&) = delete;
  Savepoint& operator=(const Savepoint&) = delete;

  void Release();

 private:
  Database& db_;
  std::string name_;
  bool open_ = true;
};

// Rolls back the work since savepoint `name` and ends it. Nothing to undo when SQLite has
// already rolled the whole transaction back.
void RollbackSavepoint(Database& db, const std::string& name);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SAVEPOINT_H_
