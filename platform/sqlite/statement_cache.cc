#include "platform/sqlite/statement_cache.h"

#include <utility>

namespace pellora::sqlite {

sqlite3_stmt* StatementCache::Take(std::string_view sql) {
  const auto found = kept_.find(sql);
  if (found == kept_.end()) return nullptr;
  // The text stays, so that giving the statement back copies nothing.
  return std::exchange(found->second, nullptr);
}

void StatementCache::Give(std::string_view sql, sqlite3_stmt* statement) {
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  const auto found = kept_.find(sql);
  if (found != kept_.end()) {
    if (found->second == nullptr) {
      found->second = statement;
    } else {
      sqlite3_finalize(statement);  // the same text ran twice at once
    }
    return;
  }
  if (kept_.size() >= kCapacity) Clear();
  kept_.emplace(std::string(sql), statement);
}

void StatementCache::Clear() {
  for (const auto& [sql, statement] : kept_) sqlite3_finalize(statement);
  kept_.clear();
}

}  // namespace pellora::sqlite
