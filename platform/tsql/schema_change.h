#ifndef PELLORA_PLATFORM_TSQL_SCHEMA_CHANGE_H_
#define PELLORA_PLATFORM_TSQL_SCHEMA_CHANGE_H_

#include <string_view>

namespace pellora::tsql {

// True for engine text that creates, alters, drops or comments on something (its first word
// says so): what was read of the schema before it may be stale.
bool ChangesSchema(std::string_view sql);

// True for engine text that only reads: a SELECT that writes its rows into no table.
bool OnlyReads(std::string_view sql);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_SCHEMA_CHANGE_H_
