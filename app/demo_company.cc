#include "app/demo_company.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "app/command_line.h"
#include "app/company_schema.h"
#include "app/demo_config.h"
#include "app/demo_content.h"
#include "app/new_folders.h"
#include "runtime/atomic_file.h"
#include "runtime/clock.h"
#include "runtime/error.h"

namespace pellora::app {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& description) {
  throw Error(kInvalidProcedureCall, "CreateDemoCompany", description);
}

// What the command was given cannot make a company: the integrator's to mend.
[[noreturn]] void Refuse(const std::string& description) {
  throw UsageError(description);
}

// A company code names files, so it is kept to letters, digits, "_" and "-".
bool IsPlainCode(const std::string& code) {
  if (code.empty()) return false;
  for (unsigned char c : code) {
    if (!std::isalnum(c) && c != '_' && c != '-') return false;
  }
  return true;
}

void RemoveDatabaseFiles(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
  fs::remove(path.string() + "-journal", ignored);
}

}  // namespace

// The whole content goes in as one transaction of a file nobody else knows yet.
void BuildDemoDatabase(const fs::path& path, const DemoOptions& options) {
  SqliteWriter db(path.string());
  DemoRun run{db, std::mt19937(options.seed), Today()};
  db.Execute("BEGIN");
  db.Execute(kCompanySchema);
  InsertCatalogue(run);
  const DemoSerials serials = InsertStock(run);
  const std::vector<DemoOrder> orders = InsertOrders(run);
  UpdateDerivedTotals(run);
  InsertParameters(run);
  InsertTechnicalSheets(run);
  InsertReadings(run, orders, serials, options.readings, options.kind);
  db.Execute("COMMIT");
}

void CheckDemoOptions(const DemoOptions& options) {
  const std::string& company = options.company;
  if (!IsPlainCode(company)) {
    Refuse("O código da empresa \"" + company + "\" não é válido: use letras, algarismos, _ ou -.");
  }
  if (options.dir.empty()) Refuse("Indique a pasta onde criar a empresa " + company + ".");
  if (options.readings < 0) Refuse("O número de leituras não pode ser negativo.");
}

void CreateDemoCompany(const DemoOptions& options) {
  CheckDemoOptions(options);
  const std::string& company = options.company;

  std::error_code error;
  const fs::path dir = fs::absolute(options.dir, error);
  const fs::path config_dir = dir / "orudados";
  const fs::path database = dir / (company + ".db");
  const fs::path config = config_dir / ("PICKING." + company);
  if (fs::exists(database, error) || fs::exists(config, error)) {
    Refuse("A empresa " + company + " já existe em " + dir.string() + ".");
  }
  NewFolders folders(config_dir);

  // Built under another name and renamed when complete, so a failure never leaves a company
  // that looks usable.
  const fs::path building = dir / (company + ".db.novo");
  RemoveDatabaseFiles(building);
  try {
    BuildDemoDatabase(building, options);
  } catch (...) {
    RemoveDatabaseFiles(building);
    throw;
  }
  fs::rename(building, database, error);
  if (error) {
    RemoveDatabaseFiles(building);
    Fail("Não foi possível criar a base de dados " + database.string() + ".");
  }
  // The database is named from the configuration's folder, so the company's folder copied whole
  // is a company of its own.
  if (!ReplaceFileContents(config.string(), DemoConfigText("..", company))) {
    RemoveDatabaseFiles(database);
    Fail("Não foi possível escrever o ficheiro de configuração " + config.string() + ".");
  }
  folders.Keep();
}

}  // namespace pellora::app
