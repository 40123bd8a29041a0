#ifndef PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_
#define PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_schema_info.h"
#include "platform/tsql/transaction_memory.h"
#include "platform/tsql/translation_cache.h"
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
  // repeat, since the values may differ. Outside a transaction, a batch that writes takes the
  // company's write lock for itself, as a write on SQLite does: rows never come in under the
  // transaction of the workstation that holds it.
  RecordsetPtr Run(std::string_view tsql, const std::vector<Variant>& values);
  // Tells the session that rows were written other than through Run.
  void NoteWrite() { memory_.Forget(); }

  // Transactions nest as savepoints; see PgConnection. The outermost level first takes the
  // company's write lock, waiting while another workstation holds it, as SQLite's BEGIN
  // IMMEDIATE does: two writers never read the same rows and then both write them. Each
  // statement then reads what is committed, as SQL Server's default does: the host's other
  // writers of stock rows are waited for row by row, and Pellora's terminals, which write a set
  // whole under the same lock, never add to the readings an import has chosen.
  void Begin();
  void Commit();
  void Rollback();
  bool InTransaction() const { return connection_->InTransaction(); }

 private:
  using Translated = tsql::Translation;
  using Steps = std::shared_ptr<const Translated>;
  Steps Translation(std::string_view tsql);
  // Runs the steps with `values` for the batch's "?" markers: the rows the batch gave (nullptr
  // for none), and in `only_read` whether it wrote nothing.
  RecordsetPtr RunSteps(std::string_view tsql, const Translated& translated,
                        const std::vector<Variant>& values, bool& only_read);
  void ForgetSchema();
  // Runs `run` in a transaction of its own, committed when it returns.
  RecordsetPtr Alone(const std::function<RecordsetPtr()>& run);
  // Ends the outermost level by `end` (its commit or rollback), then lets the write lock go,
  // whether `end` succeeded or not.
  void EndOutermost(void (PgConnection::*end)());
  void ReleaseWriteLockQuietly();

  std::unique_ptr<PgConnection> connection_;
  PgSchemaInfo schema_;
  tsql::TranslationCache translations_;
  tsql::TransactionMemory memory_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_
