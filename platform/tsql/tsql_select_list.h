#ifndef PELLORA_PLATFORM_TSQL_TSQL_SELECT_LIST_H_
#define PELLORA_PLATFORM_TSQL_TSQL_SELECT_LIST_H_

#include <string>
#include <vector>

#include "platform/tsql/tsql_items.h"
#include "platform/tsql/tsql_scope.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// The type SQL Server reports for each result column of a SELECT. Empty when the list holds a
// `*`: the backend then types every column from its declared type.
std::vector<ColumnType> ResultColumnTypes(ItemSpan select, const TableScope& scope);

// The name SQL Server gives each result column of a SELECT, as the text writes it: its alias or
// the column it reads; empty for an expression without alias. Empty, as the types, for a `*`.
std::vector<std::string> ResultColumnNames(ItemSpan select);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_SELECT_LIST_H_
