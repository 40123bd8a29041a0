#ifndef PELLORA_PLATFORM_POSTGRES_PG_TABLE_CATALOG_H_
#define PELLORA_PLATFORM_POSTGRES_PG_TABLE_CATALOG_H_

#include <libpq-fe.h>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/postgres/pg_column_type.h"

namespace pellora::postgres {

// What a result column's base table says of it.
struct PgTableColumn {
  std::string name;
  std::optional<PgColumnType> declared;  // from the SQL Server type its comment records
  bool not_null = false;
  bool primary_key = false;
  bool identity = false;
};

struct PgTable {
  std::string name;
  std::unordered_map<int, PgTableColumn> columns;  // by column number

  const PgTableColumn* Column(int number) const;
};

// The tables result columns come from, read from the server's catalog once per table: the
// schema translation records each column's SQL Server type as its comment, and a field reports
// that type (a bit stored as boolean, an nvarchar(25) stored as varchar(25)).
class PgTableCatalog {
 public:
  explicit PgTableCatalog(PGconn* connection) : connection_(connection) {}

  // The table of OID `table`; nullptr for none (an expression column) or when the server cannot
  // say (the current transaction has failed). Raises nothing.
  const PgTable* Table(Oid table);
  // Forgets every table read: after a schema change its columns may differ.
  void Forget() { tables_.clear(); }

 private:
  PGconn* connection_;
  std::unordered_map<Oid, PgTable> tables_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_TABLE_CATALOG_H_
