#ifndef PELLORA_PLATFORM_SQLITE_TSQL_REWRITER_H_
#define PELLORA_PLATFORM_SQLITE_TSQL_REWRITER_H_

#include "platform/sqlite/tsql_items.h"
#include "platform/sqlite/tsql_scope.h"

namespace pellora::sqlite {

// Rewrites the T-SQL expressions of one statement (subqueries included) into SQLite's:
// ISNULL -> ifnull, SUBSTRING -> substr with T-SQL's start rule, CONVERT to text -> CAST or
// strftime cut to the length, `+` between texts -> ||, and TOP n of a SELECT -> LIMIT n.
// Everything else is kept as written.
Items RewriteStatement(ItemSpan statement, const TableScope& scope);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TSQL_REWRITER_H_
