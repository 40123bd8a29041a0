#ifndef PELLORA_PLATFORM_TSQL_REPEATABLE_UPDATE_H_
#define PELLORA_PLATFORM_TSQL_REPEATABLE_UPDATE_H_

#include <string_view>

namespace pellora::tsql {

// True for an UPDATE that sets columns to constants and whose WHERE clause names none of
// them: running it twice in a row leaves the table as running it once did. The import marks
// every reading of a choice of sets with the same such statement once per reading; inside a
// transaction, where nobody else writes, the repeats can be skipped, whatever the engine.
bool IsRepeatableUpdate(std::string_view tsql);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_REPEATABLE_UPDATE_H_
