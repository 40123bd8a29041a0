#ifndef PELLORA_PLATFORM_POSTGRES_PG_BACKEND_H_
#define PELLORA_PLATFORM_POSTGRES_PG_BACKEND_H_

#include <memory>
#include <string_view>
#include <vector>

#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_error.h"
#include "platform/postgres/pg_schema_info.h"
#include "platform/session/engine_backend.h"

namespace pellora::postgres {

// A company database on the server as the session's engine: the schema the translation consults
// and the transaction levels of PgConnection. The outermost level first takes the company's write
// lock, then reads a snapshot taken after it: rows the terminals add while it runs are neither
// read by a later statement nor changed by it, so they stay pending whole for the next import.
class PgBackend : public session::EngineBackend {
 public:
  explicit PgBackend(std::unique_ptr<PgConnection> connection)
      : connection_(std::move(connection)), schema_(*connection_) {}

  const char* ErrorSource() const override { return kErrorSource; }
  std::vector<tsql::Step> Translate(std::string_view tsql) override;
  uint64_t SchemaGeneration() const override { return schema_.generation(); }
  session::BatchResult Run(std::string_view tsql, const std::vector<tsql::Step>& steps,
                           const std::vector<Variant>& values) override;
  // Batches of one plain statement each go in one exchange; any other, as Run does.
  void RunAll(const std::vector<session::BatchCommand>& commands) override;
  void Begin(int level) override;
  void Commit(int level) override;
  void Rollback(int level) override;
  void Insert(Recordset& recordset, size_t row, const session::RowChange& change) override;
  void Update(Recordset& recordset, size_t row, const session::RowChange& change) override;
  void AppendRows(std::string_view table, const Recordset& rows) override;

 private:
  void ForgetSchema();
  // Releases the company's lock; when that fails, ends the connection, which takes the lock
  // with it. Never raises: what happened before is what the caller reports.
  void LetTheCompanyGo();

  std::unique_ptr<PgConnection> connection_;
  PgSchemaInfo schema_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_BACKEND_H_
