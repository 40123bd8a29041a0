#ifndef PELLORA_PLATFORM_TSQL_TSQL_DECLARED_TYPES_H_
#define PELLORA_PLATFORM_TSQL_TSQL_DECLARED_TYPES_H_

#include <string_view>

#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// Sizes SQL Server reports for its long types.
inline constexpr long kLongTextSize = 2147483647;     // text, varchar(max), image
inline constexpr long kLongUnicodeSize = 1073741823;  // ntext, nvarchar(max)
// Size of a text whose length nothing declares (an expression, a column of unknown type).
inline constexpr long kUntypedTextSize = 4000;

// The ADO type and defined size SQL Server would report for a column declared as
// `declared` ("nvarchar(15)", "[int]", "decimal(18,4) NOT NULL", "INTEGER"...). adEmpty when
// the text names no type the system knows.
ColumnType ColumnTypeFromDeclared(std::string_view declared);

// The field attributes a type carries by itself: adFldFixed for fixed-length values,
// adFldLong for the long types.
long TypeAttributes(int ado_type);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_DECLARED_TYPES_H_
