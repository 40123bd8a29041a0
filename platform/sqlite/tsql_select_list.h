#ifndef PELLORA_PLATFORM_SQLITE_TSQL_SELECT_LIST_H_
#define PELLORA_PLATFORM_SQLITE_TSQL_SELECT_LIST_H_

#include <vector>

#include "platform/sqlite/tsql_items.h"
#include "platform/sqlite/tsql_scope.h"
#include "platform/sqlite/tsql_translator.h"

namespace pellora::sqlite {

// The type SQL Server reports for each result column of a SELECT. Empty when the list holds a
// `*`: the backend then types every column from its declared type.
std::vector<ColumnType> ResultColumnTypes(ItemSpan select, const TableScope& scope);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TSQL_SELECT_LIST_H_
