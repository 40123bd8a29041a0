#ifndef PELLORA_PLATFORM_TSQL_TSQL_STEP_H_
#define PELLORA_PLATFORM_TSQL_TSQL_STEP_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/recordset.h"

namespace pellora::tsql {

// The type SQL Server would report for a column, through ADO.
struct ColumnType {
  int ado_type = adEmpty;  // adEmpty: unknown, let the declared column type decide
  long defined_size = 0;

  friend bool operator==(ColumnType, ColumnType) = default;
};

// What the reader needs to know of the company database's tables.
class SchemaInfo {
 public:
  virtual ~SchemaInfo() = default;
  // The declared type of table.column as SQL Server would report it; nullopt when unknown.
  virtual std::optional<ColumnType> ColumnTypeOf(std::string_view table,
                                                 std::string_view column) const = 0;
  // The columns of the table's primary key, in key order; empty when it has none or is unknown.
  virtual std::vector<std::string> KeyOf(std::string_view table) const = 0;
};

// One step of a translated T-SQL batch, run in order by the engine's backend.
struct Step {
  enum class Kind {
    kSql,          // run `sql`; rows, if any, are the batch's result, typed by `columns`
    kDeclare,      // declare `variable` (starts NULL)
    kSetVariable,  // `variable` = the single value of the scalar query `sql` (no row: unchanged)
    kIf,           // run `body` when the scalar query `sql` gives a true value
    kAlterColumn,  // rebuild `table` so that `column` takes `column_type`, keeping the rows
  };
  Kind kind = Kind::kSql;
  // The engine's text. Batch variables appear as the engine spells them: SQLite keeps the T-SQL
  // name ("@QTT"), PostgreSQL numbers them ($1, ...).
  std::string sql;
  std::string variable;
  std::vector<Step> body;
  std::string table;
  std::string column;
  std::string column_type;  // the SQL Server type text, e.g. "nvarchar(10) NOT NULL"
  // For kSql steps that return rows: one entry per result column.
  std::vector<ColumnType> columns;
  // ... and the name SQL Server gives each, as the T-SQL writes it ("" when it gives none): an
  // engine that folds names to lower case reports these instead.
  std::vector<std::string> column_names;
  // For texts with numbered parameters: the batch variable each $n stands for, $1 first.
  std::vector<std::string> parameters;
  // For kDeclare: the SQL Server type the variable was declared with, e.g. "FLOAT".
  std::string variable_type;
};

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_STEP_H_
