#include "platform/session/result_cache.h"

#include <algorithm>

namespace pellora::session {

RecordsetPtr ResultCache::Find(std::string_view tsql) const {
  const auto found = results_.find(tsql);
  return found == results_.end() ? nullptr : found->second->CopyOfRows();
}

void ResultCache::Keep(std::string_view tsql, const Recordset& rows) {
  const size_t values = std::max<size_t>(rows.RowCountAll() * rows.FieldCount(), 1);
  if (values > kLargestResult) return;
  if (values_ + values > kCapacity) Clear();
  const auto [at, inserted] = results_.try_emplace(std::string(tsql), rows.CopyOfRows());
  if (inserted) values_ += values;
}

void ResultCache::Clear() {
  results_.clear();
  values_ = 0;
}

}  // namespace pellora::session
