#include "platform/vela/insert_batch.h"

#include "platform/vela/company_sql.h"

namespace pellora::vela {

void InsertBatch::Add(InsertStatement row) {
  if (!rows_.empty() && (!rows_.front().SameColumns(row) || rows_.size() == kRowsPerStatement)) {
    Flush();
  }
  rows_.push_back(std::move(row));
}

void InsertBatch::Flush() {
  if (rows_.empty()) return;
  std::vector<Variant> values;
  values.reserve(rows_.size() * rows_.front().Values().size());
  for (const InsertStatement& row : rows_) {
    values.insert(values.end(), row.Values().begin(), row.Values().end());
  }
  const std::string text = rows_.front().Text(rows_.size());
  rows_.clear();
  Execute(data_access_, text, values);
}

}  // namespace pellora::vela
