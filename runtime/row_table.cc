#include "runtime/row_table.h"

#include <algorithm>
#include <utility>

#include "runtime/criteria_match.h"

namespace pellora {

void RowTable::Clear() {
  rows_.clear();
  indexes_.clear();
}

size_t RowTable::Append(std::vector<Variant> values, RowState state) {
  size_t row = rows_.size();
  for (size_t field = 0; field < indexes_.size(); ++field) {
    if (indexes_[field]) indexes_[field]->Add(row, values[field]);
  }
  rows_.push_back(Row{std::move(values), nullptr, state});
  return row;
}

void RowTable::RemoveLast() {
  size_t row = rows_.size() - 1;
  for (size_t field = 0; field < indexes_.size(); ++field) {
    if (indexes_[field]) indexes_[field]->Remove(row, rows_[row].values[field]);
  }
  rows_.pop_back();
}

const Variant& RowTable::Original(size_t row, size_t field) const {
  static const Variant kNull = Variant::Null();
  const Row& stored = rows_[row];
  if (stored.state == RowState::kNew) return kNull;
  return stored.originals ? (*stored.originals)[field] : stored.values[field];
}

void RowTable::Set(size_t row, size_t field, Variant value) {
  Row& stored = rows_[row];
  if (stored.state != RowState::kNew && !stored.originals) {
    stored.originals = std::make_unique<std::vector<Variant>>(stored.values);
  }
  FieldIndex* index = field < indexes_.size() ? indexes_[field].get() : nullptr;
  if (index) index->Remove(row, stored.values[field]);
  stored.values[field] = std::move(value);
  if (index) index->Add(row, stored.values[field]);
}

void RowTable::MarkModified(size_t row) {
  if (rows_[row].state == RowState::kUnchanged) rows_[row].state = RowState::kModified;
}

void RowTable::Accept(size_t row) {
  rows_[row].originals.reset();
  rows_[row].state = RowState::kUnchanged;
}

void RowTable::AcceptAll() {
  for (size_t row = 0; row < rows_.size(); ++row) Accept(row);
}

std::vector<size_t> RowTable::Select(const Criteria& criteria) {
  std::vector<const CriteriaClause*> plans;
  for (const auto& group : criteria.groups) {
    plans.push_back(MostSelective(group));
  }
  std::vector<size_t> selected;
  // A group without an equality to start from needs every row looked at anyway.
  if (std::find(plans.begin(), plans.end(), nullptr) != plans.end()) {
    for (size_t row = 0; row < rows_.size(); ++row) {
      for (const auto& group : criteria.groups) {
        if (Matches(row, group)) {
          selected.push_back(row);
          break;
        }
      }
    }
    return selected;
  }
  for (size_t i = 0; i < plans.size(); ++i) {
    for (size_t row : IndexOf(plans[i]->field).Rows(MatchKeysOf(plans[i]->value))) {
      if (Matches(row, criteria.groups[i])) selected.push_back(row);
    }
  }
  if (plans.size() > 1) {
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  }
  return selected;
}

std::optional<std::vector<size_t>> RowTable::EqualityCandidates(const CriteriaClause& clause) {
  if (!IsIndexable(clause)) return std::nullopt;
  return IndexOf(clause.field).Rows(MatchKeysOf(clause.value));
}

bool RowTable::Matches(size_t row, const std::vector<CriteriaClause>& group) const {
  const std::vector<Variant>& values = rows_[row].values;
  return std::all_of(group.begin(), group.end(), [&values](const CriteriaClause& clause) {
    return ClauseMatches(clause, values[clause.field]);
  });
}

bool RowTable::IsIndexable(const CriteriaClause& clause) {
  return clause.op == CriteriaOp::kEqual && clause.value.kind != CriteriaLiteral::Kind::kNull;
}

FieldIndex& RowTable::IndexOf(size_t field) {
  if (indexes_.size() <= field) indexes_.resize(field + 1);
  if (!indexes_[field]) {
    indexes_[field] = std::make_unique<FieldIndex>();
    for (size_t row = 0; row < rows_.size(); ++row) {
      indexes_[field]->Add(row, rows_[row].values[field]);
    }
  }
  return *indexes_[field];
}

const CriteriaClause* RowTable::MostSelective(const std::vector<CriteriaClause>& group) {
  const CriteriaClause* best = nullptr;
  size_t best_count = 0;
  for (const CriteriaClause& clause : group) {
    if (!IsIndexable(clause)) continue;
    size_t count = IndexOf(clause.field).Count(MatchKeysOf(clause.value));
    if (!best || count < best_count) {
      best = &clause;
      best_count = count;
    }
  }
  return best;
}

}  // namespace pellora
