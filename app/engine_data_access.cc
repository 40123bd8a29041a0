#include "app/engine_data_access.h"

#include "platform/postgres/pg_address.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "platform/tsql/connection_string.h"
#include "runtime/error.h"

namespace pellora::app {

bool EngineDataAccess::OpenConnection(const std::string& connection_string) {
  if (engine_) engine_->CloseConnection();
  const std::string server = tsql::ConnectionString(connection_string).Value("Data Source");
  server_.reset();
  if (postgres::SelectsPostgres(server)) {
    engine_ = server_ =
        std::make_shared<postgres::PostgresDataAccess>(busy_timeout_, silence_limit_);
  } else {
    engine_ = std::make_shared<sqlite::SqliteDataAccess>(busy_timeout_);
  }
  return engine_->OpenConnection(connection_string);
}

const postgres::PgConnectError* EngineDataAccess::ServerRefusal() const {
  return server_ ? server_->OpenFailure() : nullptr;
}

DataAccess& EngineDataAccess::Engine() {
  if (!engine_) {
    throw Error(kObjectNotSet, "Pellora", "A ligação à base de dados não está aberta");
  }
  return *engine_;
}

}  // namespace pellora::app
