#include "runtime/field_index.h"

#include <algorithm>
#include <iterator>

namespace pellora {

void FieldIndex::Add(size_t row, const Variant& value) {
  std::optional<MatchKey> key = MatchKeyOf(value);
  if (!key) return;
  std::vector<size_t>& rows = rows_by_key_[std::move(*key)];
  if (rows.empty() || rows.back() < row) {
    rows.push_back(row);
  } else {
    rows.insert(std::lower_bound(rows.begin(), rows.end(), row), row);
  }
}

void FieldIndex::Remove(size_t row, const Variant& value) {
  std::optional<MatchKey> key = MatchKeyOf(value);
  if (!key) return;
  auto found = rows_by_key_.find(*key);
  if (found == rows_by_key_.end()) return;
  std::vector<size_t>& rows = found->second;
  auto at = std::lower_bound(rows.begin(), rows.end(), row);
  if (at != rows.end() && *at == row) rows.erase(at);
  if (rows.empty()) rows_by_key_.erase(found);
}

size_t FieldIndex::Count(const std::vector<MatchKey>& keys) const {
  size_t count = 0;
  for (const MatchKey& key : keys) {
    auto found = rows_by_key_.find(key);
    if (found != rows_by_key_.end()) count += found->second.size();
  }
  return count;
}

std::vector<size_t> FieldIndex::Rows(const std::vector<MatchKey>& keys) const {
  std::vector<size_t> rows;
  for (const MatchKey& key : keys) {
    auto found = rows_by_key_.find(key);
    if (found == rows_by_key_.end()) continue;
    size_t middle = rows.size();
    rows.insert(rows.end(), found->second.begin(), found->second.end());
    std::inplace_merge(rows.begin(), rows.begin() + middle, rows.end());
  }
  // A row is under one key only, so the merged lists hold no duplicates.
  return rows;
}

}  // namespace pellora
