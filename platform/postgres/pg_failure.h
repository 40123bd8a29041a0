#ifndef PELLORA_PLATFORM_POSTGRES_PG_FAILURE_H_
#define PELLORA_PLATFORM_POSTGRES_PG_FAILURE_H_

#include <libpq-fe.h>

#include <string>
#include <string_view>

#include "platform/postgres/pg_error.h"

namespace pellora::postgres {

// The server failing the operator rather than a statement failing: each cause is told in a
// sentence of its own that says what happened and what to do, and the server's own words go to
// the technical detail (runtime/technical_detail.h), never into the message.

// A connection that could not be made; sqlstate() names the cause, 08001 when the server never
// answered.
class PgConnectError : public PgError {
 public:
  using PgError::PgError;
};

// True for a cause that passes by itself: the server down, starting, stopping or full.
bool ServerUnavailable(std::string_view sqlstate);

// Raises the PgConnectError of `connection` (null when there was no memory for it), which
// failed to connect to `database`.
[[noreturn]] void RaiseConnectFailure(const PGconn* connection, const std::string& database);

// True when `connection` is gone: the server stopped or ended the session.
bool ConnectionLost(const PGconn* connection);

// Raises kServerLinkFailed for `statement`, which `connection` lost the server running (`result`
// may say why). A transaction in progress was undone by the server, unless the statement was
// its COMMIT: then whether it was kept is unknown.
[[noreturn]] void RaiseConnectionLost(const PGconn* connection, const PGresult* result,
                                      std::string_view statement);

// Raises kPermissionDenied for `statement`, which the server refused the user.
[[noreturn]] void RaisePermissionDenied(const PGconn* connection, const PGresult* result,
                                        std::string_view statement);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_FAILURE_H_
