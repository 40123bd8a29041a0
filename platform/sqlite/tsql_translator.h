#ifndef PELLORA_PLATFORM_SQLITE_TSQL_TRANSLATOR_H_
#define PELLORA_PLATFORM_SQLITE_TSQL_TRANSLATOR_H_

#include <string_view>
#include <vector>

#include "platform/tsql/tsql_step.h"

namespace pellora::sqlite {

using tsql::ColumnType;
using tsql::SchemaInfo;
using tsql::Step;

// Translates one T-SQL batch as the add-in sends it into SQLite steps. Batch variables appear as
// SQLite parameters with their T-SQL name ("@QTT"). Constructs outside what the system sends
// pass unchanged; one that cannot run fails with an Error naming it.
std::vector<Step> TranslateBatch(std::string_view tsql, const SchemaInfo& schema);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TSQL_TRANSLATOR_H_
