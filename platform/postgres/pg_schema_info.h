#ifndef PELLORA_PLATFORM_POSTGRES_PG_SCHEMA_INFO_H_
#define PELLORA_PLATFORM_POSTGRES_PG_SCHEMA_INFO_H_

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/postgres/pg_connection.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::postgres {

// The company tables as the T-SQL reader sees them: each column's SQL Server type, from the
// comment the schema translation gave it, read from the server once per table.
class PgSchemaInfo : public tsql::SchemaInfo {
 public:
  explicit PgSchemaInfo(PgConnection& connection) : connection_(connection) {}

  std::optional<tsql::ColumnType> ColumnTypeOf(std::string_view table,
                                               std::string_view column) const override;
  std::vector<std::string> KeyOf(std::string_view table) const override;
  // Forgets what was read, after a batch that changed the schema.
  void Forget() {
    tables_.clear();
    ++generation_;
  }
  // Changes at each Forget: what was worked out from the schema before is stale.
  uint64_t generation() const { return generation_; }

 private:
  struct TableInfo {
    std::map<std::string, tsql::ColumnType> columns;  // by upper-case name
    std::vector<std::string> key;                     // the primary key's columns, in key order
  };

  const TableInfo& Table(std::string_view table) const;

  PgConnection& connection_;
  mutable std::map<std::string, TableInfo> tables_;  // by upper-case name
  uint64_t generation_ = 0;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_SCHEMA_INFO_H_
