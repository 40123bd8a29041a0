#include "app/demo_server.h"

#include <filesystem>
#include <system_error>

#include "app/command_line.h"
#include "app/company_check.h"
#include "app/company_copy.h"
#include "app/company_schema.h"
#include "app/demo_config.h"
#include "app/demo_content.h"
#include "app/new_folders.h"
#include "platform/postgres/pg_company.h"
#include "platform/postgres/pg_failure.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/postgres/postgres_schema.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "runtime/atomic_file.h"
#include "runtime/error.h"

namespace pellora::app {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& description) {
  throw Error(kInvalidProcedureCall, "CreateDemoCompany", description);
}

std::string ConnectionText(const std::string& source, const std::string& company) {
  return "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + source +
         ";Initial Catalog=" + company + ";Integrated Security=SSPI;";
}

// The demo content, built as a file company in `scratch` and copied row by row: one source of
// demo data for both engines.
void FillFromFileCompany(const DemoOptions& options, const fs::path& scratch,
                         const std::string& server) {
  BuildDemoDatabase(scratch / (options.company + ".db"), options);
  sqlite::SqliteDataAccess from;
  postgres::PostgresDataAccess to;
  if (!from.OpenConnection(ConnectionText(scratch.string(), options.company)) ||
      !to.OpenConnection(ConnectionText(server, options.company))) {
    Fail("Não foi possível abrir a empresa " + options.company + " acabada de criar.");
  }
  std::vector<std::string> tables = CompanyTables();
  tables.push_back(kParametersTable);
  CopyCompanyRows(from, to, tables);
}

}  // namespace

void CreateDemoCompanyOnServer(const DemoOptions& options, const std::string& server) {
  CheckDemoOptions(options);
  const std::string& company = options.company;
  const std::optional<postgres::PgAddress> address = postgres::ParsePgAddress(server);
  if (!address) {
    throw UsageError("--server deve ser um endereço postgresql://[utilizador@]máquina[:porta].");
  }
  std::error_code error;
  const fs::path dir = fs::absolute(options.dir, error);
  const fs::path config_dir = dir / "orudados";
  const fs::path config = config_dir / ("PICKING." + company);
  if (fs::exists(config, error)) {
    throw UsageError("A empresa " + company + " já existe em " + dir.string() + ".");
  }
  NewFolders folders(config_dir);
  try {
    postgres::CreateCompanyDatabase(
        *address, company, postgres::PostgresSchema(kCompanySchema + ParametersTableDdl()));
  } catch (const postgres::PgConnectError& refusal) {
    RaiseServerRefusal(refusal);
  } catch (const postgres::PgError& failure) {
    if (failure.sqlstate() != postgres::kDuplicateDatabase) throw;
    throw UsageError(failure.description());
  }
  const fs::path scratch = dir / ("." + company + ".demo");
  try {
    fs::remove_all(scratch, error);
    fs::create_directories(scratch);
    FillFromFileCompany(options, scratch, server);
    if (!ReplaceFileContents(config.string(), DemoConfigText(address->Url(), company))) {
      Fail("Não foi possível escrever o ficheiro de configuração " + config.string() + ".");
    }
  } catch (...) {
    fs::remove_all(scratch, error);
    postgres::DropCompanyDatabase(*address, company);
    throw;
  }
  fs::remove_all(scratch, error);
  folders.Keep();
}

}  // namespace pellora::app
