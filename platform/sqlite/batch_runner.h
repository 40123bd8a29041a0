#ifndef PELLORA_PLATFORM_SQLITE_BATCH_RUNNER_H_
#define PELLORA_PLATFORM_SQLITE_BATCH_RUNNER_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/session/batch_values.h"
#include "platform/sqlite/database.h"
#include "platform/sqlite/schema_cache.h"
#include "platform/sqlite/sql_value.h"
#include "platform/sqlite/tsql_translator.h"
#include "runtime/recordset.h"

namespace pellora::sqlite {

// Runs the steps of one translated batch in order, holding the batch's variables.
class BatchRunner {
 public:
  // `values` stand, in order, for the batch's "?" markers.
  BatchRunner(Database& db, SchemaCache& schema, std::vector<SqlValue> values = {})
      : db_(db), schema_(schema), values_(std::move(values), kErrorSource) {}

  // The rows of the last statement that returned any; nullptr when none did.
  RecordsetPtr Run(const std::vector<Step>& steps);
  // Raises when the batch had fewer "?" markers than values.
  void CheckEveryValueUsed(std::string_view batch) const { values_.CheckEveryValueUsed(batch); }
  // True when every statement run so far only read rows and returned them.
  bool OnlyRead() const { return only_read_; }

 private:
  void RunStep(const Step& step);
  void RunSql(const Step& step);
  // Runs the scalar query `sql`: the first column of its last row, or nothing without rows.
  std::optional<SqlValue> Scalar(const std::string& sql);
  void Bind(const Statement& statement);

  Database& db_;
  SchemaCache& schema_;
  session::BatchValues<SqlValue> values_;
  RecordsetPtr result_;
  bool only_read_ = true;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_BATCH_RUNNER_H_
