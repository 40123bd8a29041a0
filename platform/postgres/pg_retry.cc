#include "platform/postgres/pg_retry.h"

#include <chrono>
#include <thread>

#include "platform/postgres/pg_error.h"

namespace pellora::postgres {
namespace {

void RollbackQuietly(PgConnection& connection) {
  try {
    connection.RollbackAll();
  } catch (...) {
    // The error that brought us here is the one the caller sees.
  }
}

void RunNested(PgConnection& connection, const std::function<void()>& work) {
  connection.Begin();
  try {
    work();
  } catch (...) {
    connection.Rollback();
    throw;
  }
  connection.Commit();
}

}  // namespace

void RunInRetryingTransaction(PgConnection& connection, const std::function<void()>& work,
                              int attempts) {
  if (connection.InTransaction()) return RunNested(connection, work);
  for (int attempt = 1;; ++attempt) {
    connection.Begin(Isolation::kSerializable);
    try {
      work();
      connection.Commit();
      return;
    } catch (const PgError& error) {
      RollbackQuietly(connection);
      if (!error.Retryable() || attempt >= attempts) throw;
    } catch (...) {
      RollbackQuietly(connection);
      throw;
    }
    // The other workstation is given a moment to finish, longer after each conflict.
    std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
  }
}

}  // namespace pellora::postgres
