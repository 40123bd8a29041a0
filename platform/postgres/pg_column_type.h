#ifndef PELLORA_PLATFORM_POSTGRES_PG_COLUMN_TYPE_H_
#define PELLORA_PLATFORM_POSTGRES_PG_COLUMN_TYPE_H_

#include <libpq-fe.h>

#include <optional>
#include <string_view>

#include "runtime/recordset.h"

namespace pellora::postgres {

// Sizes SQL Server reports for its long types.
inline constexpr long kLongTextSize = 2147483647;     // text, varchar(max), image
inline constexpr long kLongUnicodeSize = 1073741823;  // ntext, nvarchar(max)
// Size of a text whose length nothing declares (an expression, a text column without comment).
inline constexpr long kUntypedTextSize = 4000;

// A field's ADO type and defined size, as SQL Server would report them.
struct PgColumnType {
  int ado_type = adEmpty;
  long defined_size = 0;
  friend bool operator==(PgColumnType, PgColumnType) = default;
};

// The type of a result column of PostgreSQL type `oid` with type modifier `modifier` (-1 when
// none): numeric(19,4) and money are SQL Server's money, varchar(n) an nvarchar(n)...
PgColumnType ColumnTypeOfOid(Oid oid, int modifier);

// The type of a column declared in SQL Server as `declared` ("bit", "nvarchar(25)", "money",
// "[decimal](18, 4)", "nvarchar(max)"); nullopt when the text names no type the system knows.
std::optional<PgColumnType> ColumnTypeFromDeclared(std::string_view declared);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_COLUMN_TYPE_H_
