#ifndef PELLORA_PLATFORM_TSQL_TSQL_REWRITER_H_
#define PELLORA_PLATFORM_TSQL_TSQL_REWRITER_H_

#include "platform/tsql/tsql_emitter.h"
#include "platform/tsql/tsql_items.h"
#include "platform/tsql/tsql_scope.h"

namespace pellora::tsql {

// Rewrites the T-SQL expressions of one statement (subqueries included) into the engine's, as
// its emitter spells them: ISNULL, SUBSTRING, CONVERT to text, LIKE, `+` between texts -> ||,
// and TOP n of a SELECT -> LIMIT n. A SELECT without ORDER BY is given the order SQL Server
// reads it in: a grouped one its groups', a plain one its first table's key order. Everything
// else is kept as written.
Items RewriteStatement(ItemSpan statement, const TableScope& scope, const Emitter& emitter);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_REWRITER_H_
