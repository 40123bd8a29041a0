#ifndef PELLORA_PLATFORM_SQLITE_TSQL_OBJECT_EXISTENCE_H_
#define PELLORA_PLATFORM_SQLITE_TSQL_OBJECT_EXISTENCE_H_

#include <optional>
#include <string>

#include "platform/sqlite/tsql_items.h"

namespace pellora::sqlite {

// SELECT ... FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[t]') AND type in (N'U') as
// a query on sqlite_master giving one row when table t exists (its name compared without
// case). nullopt for a SELECT that does not read sys.objects.
std::optional<std::string> TranslateObjectExistence(ItemSpan select);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TSQL_OBJECT_EXISTENCE_H_
