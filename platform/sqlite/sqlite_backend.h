#ifndef PELLORA_PLATFORM_SQLITE_SQLITE_BACKEND_H_
#define PELLORA_PLATFORM_SQLITE_SQLITE_BACKEND_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/session/engine_backend.h"
#include "platform/sqlite/database.h"
#include "platform/sqlite/schema_cache.h"

namespace pellora::sqlite {

// A company database file as the session's engine: the schema the translation consults, the
// transaction levels as BEGIN IMMEDIATE and savepoints.
class SqliteBackend : public session::EngineBackend {
 public:
  explicit SqliteBackend(std::unique_ptr<Database> db) : db_(std::move(db)), schema_(*db_) {}

  const char* ErrorSource() const override { return kErrorSource; }
  std::vector<Step> Translate(std::string_view tsql) override;
  uint64_t SchemaGeneration() const override { return schema_.generation(); }
  session::BatchResult Run(std::string_view tsql, const std::vector<Step>& steps,
                           const std::vector<Variant>& values) override;
  void Begin(int level) override;
  void Commit(int level) override;
  void Rollback(int level) override;
  void Insert(Recordset& recordset, size_t row, const session::RowChange& change) override;
  void Update(Recordset& recordset, size_t row, const session::RowChange& change) override;
  void AppendRows(std::string_view table, const Recordset& rows) override;

 private:
  static std::string LevelName(int level);

  std::unique_ptr<Database> db_;
  SchemaCache schema_;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQLITE_BACKEND_H_
