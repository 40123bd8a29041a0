#ifndef PELLORA_PLATFORM_POSTGRES_PG_COPY_H_
#define PELLORA_PLATFORM_POSTGRES_PG_COPY_H_

#include <string>
#include <string_view>

#include "platform/postgres/pg_connection.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

// `value` as a field of COPY's text format: the text a parameter would carry, with backslash,
// tab, newline and carriage return escaped; \N for NULL.
std::string CopyField(const Variant& value);

// Appends every row of `rows`, whose fields name columns of `table`, with one COPY, and moves
// the identity columns' next values past the keys loaded. Inside a transaction, which a failure
// leaves to be rolled back.
void CopyRows(PgConnection& connection, std::string_view table, const Recordset& rows);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_COPY_H_
