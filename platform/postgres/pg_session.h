#ifndef PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_
#define PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_schema_info.h"
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

  // Translates and runs the T-SQL batch `tsql`, each "?" standing for the next of `values`:
  // the rows of its last statement that returned any, or an empty open Recordset.
  RecordsetPtr Run(std::string_view tsql, const std::vector<Variant>& values = {});

  // Transactions nest as savepoints; see PgConnection. The outermost level takes the company's
  // write lock at once, waiting while another workstation holds it, as SQLite's BEGIN IMMEDIATE
  // does: two writers never read the same rows and then both write them.
  void Begin();
  void Commit() { connection_->Commit(); }
  void Rollback();
  bool InTransaction() const { return connection_->InTransaction(); }

 private:
  using Steps = std::shared_ptr<const std::vector<tsql::Step>>;
  Steps Translation(std::string_view tsql);
  void ForgetSchema();

  std::unique_ptr<PgConnection> connection_;
  PgSchemaInfo schema_;
  // Enough for every text an import repeats; texts that never repeat are let go when it fills.
  static constexpr size_t kTranslationsKept = 256;
  std::map<std::string, Steps, std::less<>> translations_;
};

// The session behind `session`; raises the "not open" error when it has been closed.
std::shared_ptr<PgSession> LockSession(const std::weak_ptr<PgSession>& session);
[[noreturn]] void RaiseNotOpen();

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_SESSION_H_
