#ifndef PELLORA_RUNTIME_ROW_TABLE_H_
#define PELLORA_RUNTIME_ROW_TABLE_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/criteria.h"
#include "runtime/field_index.h"
#include "runtime/recordset.h"
#include "runtime/variant.h"

namespace pellora {

// The rows of a recordset with their change state, and the per-field equality indexes that
// answer filters and finds. An index is built the first time a field is compared for
// equality and then kept current by every change made through this class.
class RowTable {
 public:
  using RowState = Recordset::RowState;

  void Clear();
  size_t size() const { return rows_.size(); }
  // Gives the new row's number.
  size_t Append(std::vector<Variant> values, RowState state);
  void RemoveLast();

  const Variant& Value(size_t row, size_t field) const { return rows_[row].values[field]; }
  const std::vector<Variant>& Values(size_t row) const { return rows_[row].values; }
  // The value as last accepted; Null for a row not yet saved.
  const Variant& Original(size_t row, size_t field) const;
  RowState State(size_t row) const { return rows_[row].state; }

  void Set(size_t row, size_t field, Variant value);
  // A changed row that was read from the database becomes modified; a new one stays new.
  void MarkModified(size_t row);
  // The row as saved: unchanged, its originals its values.
  void Accept(size_t row);
  void AcceptAll();

  // The rows satisfying `criteria` (field indexes resolved), in row order.
  std::vector<size_t> Select(const Criteria& criteria);
  // The rows that can satisfy an equality clause, in row order, from the field's index;
  // nullopt when the clause is not an equality, which leaves the caller to scan.
  std::optional<std::vector<size_t>> EqualityCandidates(const CriteriaClause& clause);
  bool Matches(size_t row, const std::vector<CriteriaClause>& group) const;

 private:
  struct Row {
    std::vector<Variant> values;
    // Taken on the first change after the last accept; absent while values are the originals.
    std::unique_ptr<std::vector<Variant>> originals;
    RowState state;
  };

  static bool IsIndexable(const CriteriaClause& clause);
  FieldIndex& IndexOf(size_t field);
  // The group's equality clause with the fewest candidate rows; nullptr when it has none.
  const CriteriaClause* MostSelective(const std::vector<CriteriaClause>& group);

  std::vector<Row> rows_;
  std::vector<std::unique_ptr<FieldIndex>> indexes_;  // by field; null until first needed
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_ROW_TABLE_H_
