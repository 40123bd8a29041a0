#ifndef PELLORA_PLATFORM_POSTGRES_PG_ADDRESS_H_
#define PELLORA_PLATFORM_POSTGRES_PG_ADDRESS_H_

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pellora::postgres {

inline constexpr int kDefaultPort = 5432;

// A PostgreSQL server as the connection's server names it:
// "postgresql://[user[:password]@]host[:port]", or "host:5432" / "host,5432".
struct PgAddress {
  std::string user;                     // empty: libpq's default (PGUSER, the login name)
  std::optional<std::string> password;  // none: PGPASSWORD or ~/.pgpass answer
  std::string host;
  int port = kDefaultPort;

  // "host:port" with the user, never the password: for messages and traces.
  std::string Display() const;
  // "postgresql://user@host:port", never with the password: for a configuration file, whose
  // reader takes the password from PGPASSWORD or ~/.pgpass.
  std::string Url() const;
};

// True when `server` names a PostgreSQL server rather than an SQL Server instance.
bool SelectsPostgres(std::string_view server);

// Where the password of a postgresql:// address lies in `server`: its first character and its
// length; nullopt when the address has none. For hiding it where `server` was given.
std::optional<std::pair<size_t, size_t>> PasswordSpan(std::string_view server);

// The address `server` names; nullopt when it names none (not PostgreSQL, no host, a port that
// is not a number from 1 to 65535, a broken %-escape).
std::optional<PgAddress> ParsePgAddress(std::string_view server);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_ADDRESS_H_
