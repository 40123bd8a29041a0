#include "platform/postgres/pg_company.h"

#include "platform/postgres/pg_error.h"
#include "platform/postgres/postgres_types.h"

namespace pellora::postgres {
namespace {

// The database every server has, to create and drop the others from.
constexpr const char* kMaintenanceDatabase = "postgres";

}  // namespace

void CreateCompanyDatabase(const PgAddress& address, const std::string& company,
                           std::string_view schema_ddl) {
  try {
    PgConnection::Open(address, kMaintenanceDatabase)
        ->Run("CREATE DATABASE " + QuotedName(company) + " TEMPLATE template0 ENCODING 'UTF8'");
  } catch (const PgError& error) {
    if (error.sqlstate() != kDuplicateDatabase) throw;
    throw PgError(std::string(kDuplicateDatabase),
                  "A empresa " + company + " já existe no servidor " + address.Display() + ".");
  }
  try {
    RunSchema(*PgConnection::Open(address, company), schema_ddl);
  } catch (...) {
    DropCompanyDatabase(address, company);
    throw;
  }
}

void DropCompanyDatabase(const PgAddress& address, const std::string& company) {
  PgConnection::Open(address, kMaintenanceDatabase)
      ->Run("DROP DATABASE IF EXISTS " + QuotedName(company) + " WITH (FORCE)");
}

// One transaction: a single commit for the hundreds of statements a company's schema takes, each
// of which would otherwise wait for its own flush to disk.
void RunSchema(PgConnection& connection, std::string_view schema_ddl) {
  connection.RunAsOneTransaction([&] {
    while (!schema_ddl.empty()) {
      const size_t end = schema_ddl.find('\n');
      const std::string_view statement = schema_ddl.substr(0, end);
      if (statement.find_first_not_of(" \t\r") != std::string_view::npos) {
        connection.Run(statement);
      }
      schema_ddl = end == std::string_view::npos ? std::string_view() : schema_ddl.substr(end + 1);
    }
  });
}

}  // namespace pellora::postgres
