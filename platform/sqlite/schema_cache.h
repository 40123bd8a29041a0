#ifndef PELLORA_PLATFORM_SQLITE_SCHEMA_CACHE_H_
#define PELLORA_PLATFORM_SQLITE_SCHEMA_CACHE_H_

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sqlite/database.h"
#include "platform/sqlite/tsql_translator.h"
#include "platform/tsql/schema_change.h"

namespace pellora::sqlite {

struct TableColumn {
  std::string name;
  std::string declared_type;
  bool not_null = false;
  bool primary_key = false;
  bool identity = false;  // INTEGER PRIMARY KEY AUTOINCREMENT
};

struct TableInfo {
  std::vector<TableColumn> columns;
  std::vector<std::string> key;  // the primary key's columns, in key order
  // The column named `name` (case-insensitive), or nullptr.
  const TableColumn* Find(std::string_view name) const;
};

// The tables of an open database as the translator and the recordset loader see them,
// read once per table and kept until Invalidate.
class SchemaCache : public SchemaInfo {
 public:
  explicit SchemaCache(const Database& db) : db_(db) {}

  // The table or view `name` (case-insensitive); nullptr when there is none.
  const TableInfo* Table(std::string_view name) const;
  // Forgets what was read, after statements that may have changed the schema.
  void Invalidate() {
    tables_.clear();
    result_columns_.clear();
    ++generation_;
    db_.ForgetPreparedStatements();
  }
  // Changes at each Invalidate: what was worked out from the schema before is stale.
  uint64_t generation() const { return generation_; }

  std::optional<ColumnType> ColumnTypeOf(std::string_view table,
                                         std::string_view column) const override;
  std::vector<std::string> KeyOf(std::string_view table) const override;

  // The result columns of the query `sql` as described before, or nullptr: a query sent for
  // every line of a document is described once.
  FieldSetPtr ResultColumns(std::string_view sql) const;
  void KeepResultColumns(std::string_view sql, FieldSetPtr columns) const;

 private:
  const Database& db_;
  mutable std::map<std::string, std::optional<TableInfo>> tables_;  // by upper-case name
  uint64_t generation_ = 0;
  // Enough for the queries an import repeats; queries that never repeat are let go when it fills.
  static constexpr size_t kResultColumnsKept = 256;
  mutable std::map<std::string, FieldSetPtr, std::less<>> result_columns_;
};

using tsql::ChangesSchema;

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SCHEMA_CACHE_H_
