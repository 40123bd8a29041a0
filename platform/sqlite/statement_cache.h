#ifndef PELLORA_PLATFORM_SQLITE_STATEMENT_CACHE_H_
#define PELLORA_PLATFORM_SQLITE_STATEMENT_CACHE_H_

#include <sqlite3.h>

#include <map>
#include <string>
#include <string_view>

namespace pellora::sqlite {

// Prepared statements of one connection kept by their text, so that a text sent again is not
// parsed again: an import sends the same few queries for thousands of readings. A statement is
// taken out while it runs and given back reset, so it never holds a lock between uses.
class StatementCache {
 public:
  StatementCache() = default;
  ~StatementCache() { Clear(); }
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  // The idle statement prepared from exactly `sql`, now the caller's; nullptr when none is kept.
  sqlite3_stmt* Take(std::string_view sql);
  // Takes back `statement`, prepared from exactly `sql`, after its use.
  void Give(std::string_view sql, sqlite3_stmt* statement);
  // Finalizes every kept statement.
  void Clear();

 private:
  // Enough for every text an import repeats; texts that never repeat are let go when it fills.
  static constexpr size_t kCapacity = 1024;
  // By text; nullptr while the statement is out.
  std::map<std::string, sqlite3_stmt*, std::less<>> kept_;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_STATEMENT_CACHE_H_
