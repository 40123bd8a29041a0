#include "platform/postgres/postgres_data_access.h"

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_backend.h"
#include "platform/session/connection_string.h"
#include "runtime/error.h"

namespace pellora::postgres {

// A server that cannot be reached or a database that does not exist give no backend: nothing is
// created on the server.
std::unique_ptr<session::EngineBackend> PostgresDataAccess::OpenBackend(
    const std::string& connection_string, const session::StatementObserverPtr& observer) {
  open_failure_.reset();
  const session::ConnectionString connection(connection_string);
  const std::optional<PgAddress> address = ParsePgAddress(connection.Value("Data Source"));
  const std::string company = connection.Value("Initial Catalog");
  if (!address || company.empty()) return nullptr;
  std::unique_ptr<PgConnection> opened;
  try {
    opened = PgConnection::Open(*address, company, lock_timeout_, silence_limit_);
  } catch (const PgConnectError& failure) {
    open_failure_ = failure;
    return nullptr;
  } catch (const Error&) {
    return nullptr;
  }
  opened->Watch(observer);
  return std::make_unique<PgBackend>(std::move(opened));
}

}  // namespace pellora::postgres
