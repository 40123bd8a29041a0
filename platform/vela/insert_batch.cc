#include "platform/vela/insert_batch.h"

namespace pellora::vela {

void InsertBatch::Add(InsertStatement row) {
  if (rows_.size() == kRowsPerExchange) Flush();
  rows_.push_back(std::move(row));
}

void InsertBatch::Flush() {
  std::vector<ValuedStatement> statements;
  for (size_t first = 0, end = 0; first < rows_.size(); first = end) {
    ValuedStatement statement;
    for (end = first; end < rows_.size() && end - first < kRowsPerStatement &&
                      rows_[first].SameColumns(rows_[end]);
         ++end) {
      const std::vector<Variant>& values = rows_[end].Values();
      statement.values.insert(statement.values.end(), values.begin(), values.end());
    }
    statement.sql = rows_[first].Text(end - first);
    statements.push_back(std::move(statement));
  }
  rows_.clear();
  if (!statements.empty()) data_access_.RunAllWithValues(statements);
}

}  // namespace pellora::vela
