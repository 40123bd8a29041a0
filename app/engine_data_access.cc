#include "app/engine_data_access.h"

#include "platform/postgres/pg_address.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/session/connection_string.h"
#include "platform/sqlite/sqlite_data_access.h"

namespace pellora::app {

bool EngineDataAccess::OpenConnection(const std::string& connection_string) {
  if (target()) target()->CloseConnection();
  const std::string server = session::ConnectionString(connection_string).Value("Data Source");
  if (postgres::SelectsPostgres(server)) {
    SetTarget(std::make_shared<postgres::PostgresDataAccess>(busy_timeout_, observer_));
  } else {
    SetTarget(std::make_shared<sqlite::SqliteDataAccess>(busy_timeout_, observer_));
  }
  return target()->OpenConnection(connection_string);
}

}  // namespace pellora::app
