#include "app/engine_data_access.h"

#include "platform/postgres/pg_address.h"
#include "platform/session/connection_string.h"
#include "platform/sqlite/sqlite_data_access.h"

namespace pellora::app {

bool EngineDataAccess::OpenConnection(const std::string& connection_string) {
  if (target()) target()->CloseConnection();
  const std::string server = session::ConnectionString(connection_string).Value("Data Source");
  server_.reset();
  if (postgres::SelectsPostgres(server)) {
    server_ =
        std::make_shared<postgres::PostgresDataAccess>(busy_timeout_, silence_limit_, observer_);
    SetTarget(server_);
  } else {
    SetTarget(std::make_shared<sqlite::SqliteDataAccess>(busy_timeout_, observer_));
  }
  return target()->OpenConnection(connection_string);
}

const postgres::PgConnectError* EngineDataAccess::ServerRefusal() const {
  return server_ ? server_->OpenFailure() : nullptr;
}

}  // namespace pellora::app
