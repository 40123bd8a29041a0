#ifndef PELLORA_PLATFORM_POSTGRES_PG_CONNECTION_PARAMETERS_H_
#define PELLORA_PLATFORM_POSTGRES_PG_CONNECTION_PARAMETERS_H_

#include <chrono>
#include <string>
#include <vector>

#include "platform/postgres/pg_address.h"

namespace pellora::postgres {

// How long the server lets a workstation that stopped answering keep the company.
inline constexpr std::chrono::milliseconds kDefaultSilenceLimit{30000};

// The keywords and values PQconnectdbParams takes for a company database on `address`. The
// password travels as a value of its own, never inside a conninfo text that an error could echo;
// without one, libpq looks in PGPASSWORD and ~/.pgpass. Every statement waits up to
// `lock_timeout` for a lock another workstation holds. A workstation that stops answering for
// `silence_limit` lets the company go, its work undone: the server ends a session left idle in
// its transaction that long (a hung or stopped program), and one whose machine no longer answers
// on the network (TCP keepalives); the workstation learns of a lost server as soon. A zero limit
// keeps the server's own settings.
class ConnectionParameters {
 public:
  ConnectionParameters(const PgAddress& address, const std::string& database,
                       std::chrono::milliseconds lock_timeout,
                       std::chrono::milliseconds silence_limit = kDefaultSilenceLimit);
  ConnectionParameters(const ConnectionParameters&) = delete;
  ConnectionParameters& operator=(const ConnectionParameters&) = delete;

  // Both end with a null pointer.
  const char* const* keywords() const { return keyword_pointers_.data(); }
  const char* const* values() const { return value_pointers_.data(); }
  // The value given for `keyword`; nullptr when none.
  const char* ValueOf(const std::string& keyword) const;

 private:
  void Add(std::string keyword, std::string value);

  std::vector<std::string> keywords_;
  std::vector<std::string> values_;
  std::vector<const char*> keyword_pointers_;
  std::vector<const char*> value_pointers_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_CONNECTION_PARAMETERS_H_
