#ifndef PELLORA_PLATFORM_SQLITE_DECLARED_TYPES_H_
#define PELLORA_PLATFORM_SQLITE_DECLARED_TYPES_H_

#include <string_view>

#include "platform/sqlite/tsql_translator.h"

namespace pellora::sqlite {

// Sizes SQL Server reports for its long types.
inline constexpr long kLongTextSize = 2147483647;     // text, varchar(max), image
inline constexpr long kLongUnicodeSize = 1073741823;  // ntext, nvarchar(max)

// The ADO type and defined size SQL Server would report for a column declared as
// `declared` ("nvarchar(15)", "[int]", "decimal(18,4) NOT NULL", "INTEGER"...). adEmpty when
// the text names no type the system knows.
ColumnType ColumnTypeFromDeclared(std::string_view declared);

// The field attributes a type carries by itself: adFldFixed for fixed-length values,
// adFldLong for the long types.
long TypeAttributes(int ado_type);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_DECLARED_TYPES_H_
