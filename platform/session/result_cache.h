#ifndef PELLORA_PLATFORM_SESSION_RESULT_CACHE_H_
#define PELLORA_PLATFORM_SESSION_RESULT_CACHE_H_

#include <map>
#include <string>
#include <string_view>

#include "runtime/recordset.h"

namespace pellora::session {

// The rows of queries already run in the current write transaction, by their T-SQL text. While
// the transaction holds the write lock and this connection writes nothing, a query sent again
// reads the same rows: an import asks for the same original order and article once per reading.
// The session clears it on every write and at the transaction's end.
class ResultCache {
 public:
  // A fresh copy of the rows kept for `tsql`, the caller's to change; nullptr when none are kept.
  RecordsetPtr Find(std::string_view tsql) const;
  // Keeps a copy of `rows` as the result of `tsql`, unless they are too many to be worth it.
  void Keep(std::string_view tsql, const Recordset& rows);
  void Clear();

 private:
  // Values (rows times fields) kept at most: some tens of megabytes. A larger result, such as
  // the readings of a whole count, is read once anyway and is not kept.
  static constexpr size_t kCapacity = size_t{1} << 20;
  static constexpr size_t kLargestResult = kCapacity / 16;

  std::map<std::string, RecordsetPtr, std::less<>> results_;
  size_t values_ = 0;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_RESULT_CACHE_H_
