#ifndef PELLORA_PLATFORM_POSTGRES_PG_COLUMN_TYPE_H_
#define PELLORA_PLATFORM_POSTGRES_PG_COLUMN_TYPE_H_

#include <libpq-fe.h>

#include "platform/tsql/tsql_declared_types.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

using tsql::kLongTextSize;
using tsql::kLongUnicodeSize;
using tsql::kUntypedTextSize;

// A field's ADO type and defined size, as SQL Server would report them.
using PgColumnType = tsql::ColumnType;

// The type of a result column of PostgreSQL type `oid` with type modifier `modifier` (-1 when
// none): numeric(19,4) and money are SQL Server's money, varchar(n) an nvarchar(n)...
PgColumnType ColumnTypeOfOid(Oid oid, int modifier);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_COLUMN_TYPE_H_
