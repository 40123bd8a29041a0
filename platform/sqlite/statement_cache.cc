#include "platform/sqlite/statement_cache.h"

namespace pellora::sqlite {

sqlite3_stmt* StatementCache::Take(std::string_view sql) {
  const auto found = idle_.find(sql);
  if (found == idle_.end()) return nullptr;
  sqlite3_stmt* statement = found->second;
  idle_.erase(found);
  return statement;
}

void StatementCache::Give(std::string_view sql, sqlite3_stmt* statement) {
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  if (idle_.size() >= kCapacity) Clear();
  const auto [at, added] = idle_.emplace(std::string(sql), statement);
  if (!added) sqlite3_finalize(statement);  // the same text ran twice at once
}

void StatementCache::Clear() {
  for (const auto& [sql, statement] : idle_) sqlite3_finalize(statement);
  idle_.clear();
}

}  // namespace pellora::sqlite
