#ifndef PELLORA_PLATFORM_POSTGRES_PG_STATEMENT_CACHE_H_
#define PELLORA_PLATFORM_POSTGRES_PG_STATEMENT_CACHE_H_

#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "runtime/recordset.h"

namespace pellora::postgres {

// A statement prepared on the server, and the fields its rows are read into: they stay the same
// as long as the statement does, so the recordsets of one query share them.
struct PgPrepared {
  std::string name;
  FieldSetPtr fields;  // null until its first rows are read
};

// The names of the statements one connection has prepared, by their text: an import sends the
// same few texts for thousands of readings, and a prepared one is not parsed or planned again.
// The texts used least recently are let go when it fills.
class PgStatementCache {
 public:
  explicit PgStatementCache(size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

  // Whether `sql` is worth preparing: queries and row changes repeat, definitions do not.
  static bool WorthPreparing(std::string_view sql);

  // The statement prepared from `sql`, now the most recently used; nullptr when none is.
  PgPrepared* Find(const std::string& sql);
  // A statement under a fresh name for `sql`, which the caller prepares at once. When the cache
  // is full, `evicted` receives the name of the statement let go, which the caller deallocates.
  PgPrepared& Add(const std::string& sql, std::optional<std::string>& evicted);
  // Forgets `sql`, which could not be prepared.
  void Forget(const std::string& sql);
  // Forgets every statement (the caller deallocates them all).
  void Clear();
  size_t size() const { return order_.size(); }

 private:
  static constexpr size_t kDefaultCapacity = 256;
  using Entry = std::pair<std::string, PgPrepared>;  // by text

  size_t capacity_;
  std::list<Entry> order_;  // most recently used first
  std::unordered_map<std::string_view, std::list<Entry>::iterator> by_text_;
  unsigned long next_number_ = 0;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_STATEMENT_CACHE_H_
