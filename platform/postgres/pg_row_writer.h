#ifndef PELLORA_PLATFORM_POSTGRES_PG_ROW_WRITER_H_
#define PELLORA_PLATFORM_POSTGRES_PG_ROW_WRITER_H_

#include <cstddef>

#include "platform/postgres/pg_connection.h"
#include "platform/session/row_change.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

// Inserts row `row` of `recordset` as `change` says; the server returns the identity into the
// row.
void InsertRow(PgConnection& connection, Recordset& recordset, size_t row,
               const session::RowChange& change);
// Updates the columns `change` names in the row its original key values locate, which must be
// there.
void UpdateRow(PgConnection& connection, Recordset& recordset, size_t row,
               const session::RowChange& change);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_ROW_WRITER_H_
