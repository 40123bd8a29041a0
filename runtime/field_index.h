#ifndef PELLORA_RUNTIME_FIELD_INDEX_H_
#define PELLORA_RUNTIME_FIELD_INDEX_H_

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "runtime/criteria_match.h"
#include "runtime/variant.h"

namespace pellora {

// The rows of one field grouped by the key equality compares them by, kept up to date as
// rows are added and values change. Null values are left out: they never equal anything.
class FieldIndex {
 public:
  void Add(size_t row, const Variant& value);
  void Remove(size_t row, const Variant& value);

  // How many rows hold one of `keys`, without gathering them.
  size_t Count(const std::vector<MatchKey>& keys) const;
  // The rows holding one of `keys`, in row order.
  std::vector<size_t> Rows(const std::vector<MatchKey>& keys) const;

 private:
  // Each list is in row order: rows are mostly added at the end, so that is an append.
  std::unordered_map<MatchKey, std::vector<size_t>> rows_by_key_;
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_FIELD_INDEX_H_
