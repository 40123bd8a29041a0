#include "platform/postgres/pg_statement_cache.h"

#include "runtime/text.h"

namespace pellora::postgres {

bool PgStatementCache::WorthPreparing(std::string_view sql) {
  const size_t start = sql.find_first_not_of(" \t\r\n(");
  if (start == std::string_view::npos) return false;
  const size_t end = std::min(sql.size(), sql.find_first_of(" \t\r\n(", start));
  const std::string word = UCase(sql.substr(start, end - start));
  return word == "SELECT" || word == "INSERT" || word == "UPDATE" || word == "DELETE" ||
         word == "WITH" || word == "VALUES";
}

PgPrepared* PgStatementCache::Find(const std::string& sql) {
  const auto found = by_text_.find(sql);
  if (found == by_text_.end()) return nullptr;
  order_.splice(order_.begin(), order_, found->second);
  return &found->second->second;
}

PgPrepared& PgStatementCache::Add(const std::string& sql, std::optional<std::string>& evicted) {
  evicted.reset();
  if (order_.size() >= capacity_ && !order_.empty()) {
    by_text_.erase(order_.back().first);
    evicted = std::move(order_.back().second.name);
    order_.pop_back();
  }
  order_.emplace_front(sql, PgPrepared{"pellora_" + std::to_string(++next_number_), nullptr});
  // The key views the text held by the list entry, which stays put while it is cached.
  by_text_.emplace(order_.front().first, order_.begin());
  return order_.front().second;
}

void PgStatementCache::Forget(const std::string& sql) {
  const auto found = by_text_.find(sql);
  if (found == by_text_.end()) return;
  const auto entry = found->second;
  by_text_.erase(found);
  order_.erase(entry);
}

void PgStatementCache::Clear() {
  by_text_.clear();
  order_.clear();
}

}  // namespace pellora::postgres
