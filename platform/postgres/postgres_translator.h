#ifndef PELLORA_PLATFORM_POSTGRES_POSTGRES_TRANSLATOR_H_
#define PELLORA_PLATFORM_POSTGRES_POSTGRES_TRANSLATOR_H_

#include <string_view>
#include <vector>

#include "platform/tsql/tsql_step.h"

namespace pellora::postgres {

// Translates one T-SQL batch as the add-in sends it into PostgreSQL steps. Batch variables are
// numbered parameters; each step lists the variable of each $n. Constructs outside what the
// system sends pass unchanged; one that cannot run fails with an Error naming it.
std::vector<tsql::Step> TranslateBatch(std::string_view tsql, const tsql::SchemaInfo& schema);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_POSTGRES_TRANSLATOR_H_
