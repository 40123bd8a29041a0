#include "platform/postgres/pg_table_catalog.h"

#include <cstdlib>
#include <string>

#include "platform/postgres/pg_result.h"
#include "platform/tsql/tsql_declared_types.h"

namespace pellora::postgres {
namespace {

constexpr const char* kColumnsQuery =
    "SELECT c.relname, a.attnum, a.attname, a.attnotnull, col_description(c.oid, a.attnum),"
    " COALESCE(a.attnum = ANY (k.indkey), false),"
    " a.attidentity <> '' OR COALESCE(pg_get_expr(d.adbin, d.adrelid) LIKE 'nextval(%', false)"
    " FROM pg_catalog.pg_class c"
    " JOIN pg_catalog.pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0"
    "  AND NOT a.attisdropped"
    " LEFT JOIN pg_catalog.pg_index k ON k.indrelid = c.oid AND k.indisprimary"
    " LEFT JOIN pg_catalog.pg_attrdef d ON d.adrelid = c.oid AND d.adnum = a.attnum"
    " WHERE c.oid = $1::oid";

// Reads the columns of `table`. Inside a transaction the query runs under a savepoint of its
// own: should it fail (the table dropped meanwhile), the transaction goes on unharmed.
PgResult ReadColumns(PGconn* connection, const std::string& table) {
  const bool guarded = PQtransactionStatus(connection) == PQTRANS_INTRANS;
  if (guarded) PQclear(PQexec(connection, "SAVEPOINT pellora_catalog"));
  const char* values[] = {table.c_str()};
  PgResult result(PQexecParams(connection, kColumnsQuery, 1, nullptr, values, nullptr, nullptr, 0));
  if (guarded) {
    PQclear(PQexec(connection, Succeeded(result) ? "RELEASE SAVEPOINT pellora_catalog"
                                                 : "ROLLBACK TO SAVEPOINT pellora_catalog;"
                                                   " RELEASE SAVEPOINT pellora_catalog"));
  }
  return result;
}

bool IsTrue(const PGresult* result, int row, int column) {
  return PQgetvalue(result, row, column)[0] == 't';
}

}  // namespace

const PgTableColumn* PgTable::Column(int number) const {
  const auto found = columns.find(number);
  return found == columns.end() ? nullptr : &found->second;
}

const PgTable* PgTableCatalog::Table(Oid table) {
  if (table == InvalidOid) return nullptr;
  if (const auto found = tables_.find(table); found != tables_.end()) return &found->second;
  const PgResult result = ReadColumns(connection_, std::to_string(table));
  if (PQresultStatus(result.get()) != PGRES_TUPLES_OK || PQntuples(result.get()) == 0) {
    return nullptr;
  }
  PgTable& entry = tables_[table];
  entry.name = PQgetvalue(result.get(), 0, 0);
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    PgTableColumn column;
    column.name = PQgetvalue(result.get(), row, 2);
    column.not_null = IsTrue(result.get(), row, 3);
    if (!PQgetisnull(result.get(), row, 4)) {
      const PgColumnType declared = tsql::ColumnTypeFromDeclared(PQgetvalue(result.get(), row, 4));
      if (declared.ado_type != adEmpty) column.declared = declared;
    }
    column.primary_key = IsTrue(result.get(), row, 5);
    column.identity = IsTrue(result.get(), row, 6);
    entry.columns.emplace(std::atoi(PQgetvalue(result.get(), row, 1)), std::move(column));
  }
  return &entry;
}

}  // namespace pellora::postgres
