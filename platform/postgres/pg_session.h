#ifndef PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_
#define PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_schema_info.h"
#include "platform/tsql/result_cache.h"
#include "platform/tsql/tsql_step.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

// A company database on the server with what the add-in's T-SQL needs around it: the schema
// the translation consults and the translations of the texts sent lately.
class PgSession {
 public:
  explicit PgSession(std::unique_ptr<PgConnection> connection)
      : connection_(std::move(connection)), schema_(*connection_) {}

  PgConnection& connection() { return *connection_; }

  // Translates and runs the T-SQL batch `tsql`: the rows of its last statement that returned
  // any, or an empty open Recordset. Inside a transaction, a repeatable UPDATE sent again right
  // after itself is not run again, and a query sent again while nothing was written gives a
  // copy of the rows it gave before: each is a round trip to the server saved.
  RecordsetPtr Run(std::string_view tsql);
  // The same with each "?" of the batch standing for the next of `values`; never skipped as a
  // repeat, since the values may differ.
  RecordsetPtr Run(std::string_view tsql, const std::vector<Variant>& values);
  // Tells the session that rows were written other than through Run.
  void NoteWrite() {
    last_repeatable_.clear();
    results_.Clear();
  }

  // Transactions nest as savepoints; see PgConnection. The outermost level first takes the
  // company's write lock, waiting while another workstation holds it, as SQLite's BEGIN
  // IMMEDIATE does: two writers never read the same rows and then both write them. It then reads
  // a snapshot taken after the lock: rows the terminals add while it runs are neither read by
  // a later statement nor changed by it, so they stay pending whole for the next import.
  void Begin();
  void Commit();
  void Rollback();
  bool InTransaction() const { return connection_->InTransaction(); }

 private:
  // What a T-SQL batch becomes on PostgreSQL, worked out once per text.
  struct Translated {
    std::vector<tsql::Step> steps;
    bool repeatable_update = false;  // see tsql::IsRepeatableUpdate
  };
  using Steps = std::shared_ptr<const Translated>;
  Steps Translation(std::string_view tsql);
  // Runs the steps; keeps the rows of a batch that only read when `keep` and in a transaction,
  // and forgets every kept result when the batch wrote.
  RecordsetPtr RunSteps(std::string_view tsql, const Translated& translated,
                        const std::vector<Variant>& values, bool keep);
  void ForgetSchema();
  // Ends the outermost level by `end` (its commit or rollback), then lets the write lock go,
  // whether `end` succeeded or not.
  void EndOutermost(void (PgConnection::*end)());
  void ReleaseWriteLockQuietly();

  std::unique_ptr<PgConnection> connection_;
  PgSchemaInfo schema_;
  // Enough for every text an import repeats; texts that never repeat are let go when it fills.
  static constexpr size_t kTranslationsKept = 256;
  std::map<std::string, Steps, std::less<>> translations_;
  std::string last_repeatable_;  // the repeatable UPDATE run last, while nothing else ran
  tsql::ResultCache results_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_
