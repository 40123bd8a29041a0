#include "platform/postgres/postgres_data_access.h"

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_backend.h"
#include "platform/postgres/pg_error.h"
#include "platform/session/connection_string.h"
#include "runtime/error.h"

namespace pellora::postgres {
namespace {

// A server that cannot be reached or a database that does not exist give no backend: nothing is
// created on the server.
std::unique_ptr<session::EngineBackend> OpenBackend(const std::string& text,
                                                    std::chrono::milliseconds lock_timeout,
                                                    const session::StatementObserverPtr& observer) {
  const session::ConnectionString connection(text);
  const std::optional<PgAddress> address = ParsePgAddress(connection.Value("Data Source"));
  const std::string company = connection.Value("Initial Catalog");
  if (!address || company.empty()) return nullptr;
  std::unique_ptr<PgConnection> opened;
  try {
    opened = PgConnection::Open(*address, company, lock_timeout);
  } catch (const Error&) {
    return nullptr;
  }
  opened->Watch(observer);
  return std::make_unique<PgBackend>(std::move(opened));
}

}  // namespace

PostgresDataAccess::PostgresDataAccess(std::chrono::milliseconds lock_timeout,
                                       session::StatementObserverPtr observer)
    : SessionDataAccess(kErrorSource, [lock_timeout, observer](const std::string& text) {
        return OpenBackend(text, lock_timeout, observer);
      }) {}

}  // namespace pellora::postgres
