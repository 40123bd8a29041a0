#ifndef PELLORA_PLATFORM_POSTGRES_PG_ERROR_H_
#define PELLORA_PLATFORM_POSTGRES_PG_ERROR_H_

#include <libpq-fe.h>

#include <chrono>
#include <string>
#include <string_view>

#include "runtime/error.h"

namespace pellora::postgres {

// Source of every error the PostgreSQL backend raises.
inline constexpr const char* kErrorSource = "PostgreSQL";

// SQLSTATE codes the backend acts on.
inline constexpr std::string_view kSerializationFailure = "40001";
inline constexpr std::string_view kDeadlockDetected = "40P01";
inline constexpr std::string_view kLockNotAvailable = "55P03";
inline constexpr std::string_view kInsufficientPrivilege = "42501";
inline constexpr std::string_view kDuplicateDatabase = "42P04";

// A database error with the server's SQLSTATE: kDatabaseError unless a number is given.
class PgError : public Error {
 public:
  PgError(std::string sqlstate, std::string description, long number = kDatabaseError)
      : Error(number, kErrorSource, std::move(description)), sqlstate_(std::move(sqlstate)) {}

  const std::string& sqlstate() const { return sqlstate_; }

 private:
  std::string sqlstate_;
};

// Raises the error `statement` met: the server's message followed by the statement's first
// non-blank line. `result` may be null (no memory, connection lost): `connection`'s message.
[[noreturn]] void RaiseStatementError(const PGresult* result, const PGconn* connection,
                                      std::string_view statement);

// Raises the database error `message` met by `statement`, worded as the server's are.
[[noreturn]] void RaiseDatabaseError(std::string_view message, std::string_view statement);

// Raises the error of a lock held by another workstation beyond `waited`.
[[noreturn]] void RaiseBusy(const std::string& company, std::chrono::milliseconds waited);

// Raises the error of `statement` refused because another writer changed the same rows at the
// same time (a serialization failure or a deadlock): the unit of work may run again.
[[noreturn]] void RaiseConflict(std::string_view statement);

// The SQLSTATE of a failed `result`; empty when the server gave none.
std::string SqlState(const PGresult* result);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_ERROR_H_
