#ifndef PELLORA_PLATFORM_POSTGRES_PG_RETRY_H_
#define PELLORA_PLATFORM_POSTGRES_PG_RETRY_H_

#include <functional>

#include "platform/postgres/pg_connection.h"

namespace pellora::postgres {

// How often a unit of work is tried before its conflict is reported.
inline constexpr int kUnitAttempts = 5;

// Runs `work` as one serializable transaction on `connection` and commits it. When the server
// gives it up for a conflict with another workstation (a serialization failure or a deadlock),
// everything is rolled back and `work` runs again from the start, up to `attempts` times in
// all: `work` must read what it relies on inside itself. Any other error rolls back and is
// raised. Inside a transaction already open, `work` runs as a nested level and is not retried:
// the unit that opened the transaction is the one to run again.
void RunInRetryingTransaction(PgConnection& connection, const std::function<void()>& work,
                              int attempts = kUnitAttempts);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_RETRY_H_
