#ifndef PELLORA_PLATFORM_POSTGRES_PG_ROW_WRITER_H_
#define PELLORA_PLATFORM_POSTGRES_PG_ROW_WRITER_H_

#include <cstddef>

#include "platform/postgres/pg_connection.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

// Writes row `row` of `recordset` to the base table of its fields: a new row as an INSERT whose
// identity the server returns into the row, any other as an UPDATE of its changed columns,
// located by the original key values, that must find its row.
void WriteRecordsetRow(PgConnection& connection, Recordset& recordset, size_t row);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_ROW_WRITER_H_
