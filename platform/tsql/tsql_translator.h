#ifndef PELLORA_PLATFORM_TSQL_TSQL_TRANSLATOR_H_
#define PELLORA_PLATFORM_TSQL_TSQL_TRANSLATOR_H_

#include <string_view>
#include <vector>

#include "platform/tsql/tsql_emitter.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// Reads one T-SQL batch as the add-in sends it and writes its steps in the emitter's dialect.
// Constructs outside what the system sends pass unchanged; one that cannot run fails with an
// Error whose source is the emitter's engine, naming the construct.
std::vector<Step> Translate(std::string_view tsql, const SchemaInfo& schema,
                            const Emitter& emitter);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_TRANSLATOR_H_
