#ifndef PELLORA_PLATFORM_TSQL_TSQL_OBJECT_EXISTENCE_H_
#define PELLORA_PLATFORM_TSQL_TSQL_OBJECT_EXISTENCE_H_

#include <optional>
#include <string>

#include "platform/tsql/tsql_items.h"

namespace pellora::tsql {

// The table t of SELECT ... FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[t]') AND type
// in (N'U'), the add-in's test of whether a table exists; nullopt for a SELECT that does not read
// sys.objects.
std::optional<std::string> ExistenceQueryTable(ItemSpan select);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_OBJECT_EXISTENCE_H_
