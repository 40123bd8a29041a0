#ifndef PELLORA_PLATFORM_POSTGRES_PG_RECORDSET_LOADER_H_
#define PELLORA_PLATFORM_POSTGRES_PG_RECORDSET_LOADER_H_

#include <libpq-fe.h>

#include "platform/postgres/pg_table_catalog.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

// Every row of a successful `result` (text format) in an open client-cursor Recordset on its
// first row; an empty open Recordset for a command that returns none. A field's type is the
// SQL Server type its base column's comment records, else the one its PostgreSQL type maps to;
// its base table, key, identity and nullability come from `catalog`. `fields`, when given,
// holds the fields of an earlier result of the same prepared statement, or receives these.
RecordsetPtr LoadRecordset(const PGresult* result, PgTableCatalog& catalog,
                           FieldSetPtr* fields = nullptr);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_RECORDSET_LOADER_H_
