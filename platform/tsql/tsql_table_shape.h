#ifndef PELLORA_PLATFORM_TSQL_TSQL_TABLE_SHAPE_H_
#define PELLORA_PLATFORM_TSQL_TSQL_TABLE_SHAPE_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/tsql/tsql_items.h"

namespace pellora::tsql {

struct TableColumn {
  std::string name;
  std::string type_name;      // "nvarchar"
  std::string declared_type;  // "nvarchar(15)", as declared
  Items options;              // NOT NULL, DEFAULT 0, COLLATE ..., as written; IDENTITY taken out
  bool identity = false;      // IDENTITY(seed, step)
};

// CREATE TABLE [t] ([c] [type](n) ..., CONSTRAINT ... PRIMARY KEY CLUSTERED (...) WITH (...)
// ON [PRIMARY]) ON [PRIMARY], with SQL Server's storage options (CLUSTERED, NONCLUSTERED,
// WITH (...), ON filegroup) dropped: no engine of ours has them.
struct TableShape {
  std::string name;
  std::vector<TableColumn> columns;
  std::vector<Items> constraints;
  Items trailing;  // after the column list
};

// ALTER TABLE t ALTER COLUMN [c] [type](n) [NOT NULL].
struct ColumnChange {
  std::string table;
  std::string column;
  std::string type_name;
  std::string declared_type;
  Items options;
};

TableShape ReadCreateTable(ItemSpan statement);
// nullopt for any ALTER other than ALTER COLUMN.
std::optional<ColumnChange> ReadAlterColumn(ItemSpan statement);

// A PRIMARY KEY constraint on `column` alone.
bool IsKeyOfColumn(ItemSpan constraint, const std::string& column);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_TABLE_SHAPE_H_
