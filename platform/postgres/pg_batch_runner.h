#ifndef PELLORA_PLATFORM_POSTGRES_PG_BATCH_RUNNER_H_
#define PELLORA_PLATFORM_POSTGRES_PG_BATCH_RUNNER_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_error.h"
#include "platform/session/batch_values.h"
#include "platform/tsql/tsql_step.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

// Runs the steps of one translated batch in order on a connection, holding the batch's
// variables and handing each statement the values of its $n parameters.
class PgBatchRunner {
 public:
  // `values` stand, in order, for the batch's "?" markers.
  PgBatchRunner(PgConnection& connection, std::vector<Variant> values = {})
      : connection_(connection), values_(std::move(values), kErrorSource) {}

  // The rows of the last statement that returned any, named and typed as SQL Server reports
  // them; nullptr when none did.
  RecordsetPtr Run(const std::vector<tsql::Step>& steps);
  // Raises when the batch had fewer "?" markers than values.
  void CheckEveryValueUsed(std::string_view batch) const { values_.CheckEveryValueUsed(batch); }
  // True once a statement created, altered or dropped something.
  bool ChangedSchema() const { return changed_schema_; }
  // True when every statement run so far only read rows.
  bool OnlyRead() const { return only_read_; }

 private:
  void RunStep(const tsql::Step& step);
  // Runs the text of `step` with its parameters' values.
  RecordsetPtr Execute(const tsql::Step& step);
  // The first column of the last row of `step`'s query; nothing without rows.
  std::optional<Variant> Scalar(const tsql::Step& step);

  PgConnection& connection_;
  session::BatchValues<Variant> values_;
  RecordsetPtr result_;
  bool changed_schema_ = false;
  bool only_read_ = true;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_BATCH_RUNNER_H_
