#ifndef PELLORA_PLATFORM_SQLITE_SQL_VALUE_H_
#define PELLORA_PLATFORM_SQLITE_SQL_VALUE_H_

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <variant>

#include "runtime/recordset.h"
#include "runtime/variant.h"

namespace pellora::sqlite {

// A value as SQLite stores it: NULL, INTEGER, REAL, TEXT or BLOB.
using SqlValue = std::variant<std::monostate, int64_t, double, std::string, Bytes>;

// The value of result column `column` of the current row.
SqlValue ReadColumn(sqlite3_stmt* stmt, int column);
// Binds `value` to parameter `index` (1-based).
void BindValue(sqlite3_stmt* stmt, int index, const SqlValue& value);

// The Variant a field of `ado_type` holds for `value`: Null for NULL; Integer, Long, Double,
// Currency, Date, Boolean, String or bytes by the type; the value as stored when it does not
// fit the type.
Variant ToVariant(SqlValue value, int ado_type);

// How a Variant is stored: dates as 'YYYY-MM-DD HH:MM:SS' text, Boolean as 1 or 0,
// Currency as a REAL, Empty and Null as NULL.
SqlValue FromVariant(const Variant& value);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQL_VALUE_H_
