#include "app/command_context.h"

#include <filesystem>

#include "app/company_check.h"
#include "app/engine_data_access.h"
#include "app/tracing_data_access.h"
#include "platform/postgres/pg_address.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "runtime/private_profile.h"

namespace pellora::app {
namespace {

// Whole seconds, 0 (do not wait) to a day.
std::chrono::milliseconds Seconds(const std::string& text, const std::string& origin) {
  long seconds = -1;
  try {
    size_t end = 0;
    seconds = std::stol(text, &end);
    if (end != text.size()) seconds = -1;
  } catch (const std::exception&) {
  }
  if (seconds < 0 || seconds > 86400) {
    throw UsageError(origin + " deve ser um número de segundos entre 0 e 86400: " + text + ".");
  }
  return std::chrono::seconds(seconds);
}

}  // namespace

std::string ConfigurationFileName(const std::string& company) {
  return "PICKING." + company;
}

std::filesystem::path ConfigurationFolder(const std::string& dir) {
  return std::filesystem::path(dir) / "orudados";
}

std::filesystem::path CommandContext::ConfigurationFile() const {
  return ConfigurationFolder(Dir()) / ConfigurationFileName(Company());
}

std::chrono::milliseconds CommandContext::BusyTimeout() const {
  if (auto text = line.Get("busy-timeout")) return Seconds(*text, "--busy-timeout");
  if (line.Has("dir") && line.Has("company")) {
    const std::string file = ConfigurationFile().string();
    const std::string text = GetPrivateProfileString("Ligação", "TempoEspera", "", 32, file).text;
    if (!text.empty()) return Seconds(text, "TempoEspera em " + file);
  }
  return sqlite::kDefaultBusyTimeout;
}

DataAccessPtr CommandContext::NewDataAccess() const {
  DataAccessPtr data_access = std::make_shared<EngineDataAccess>(BusyTimeout());
  if (trace) data_access = std::make_shared<TracingDataAccess>(data_access, trace);
  return data_access;
}

std::optional<std::string> CommandContext::ConfiguredServer() const {
  const std::string file = ConfigurationFile().string();
  const std::string server = GetPrivateProfileString("Ligação", "Servidor", "", 1024, file).text;
  if (!postgres::SelectsPostgres(server)) return std::nullopt;
  return server;
}

// The company's configuration file names the PostgreSQL server of a shared company; any other
// company is the file DIR/<company>.db.
DataAccessPtr CommandContext::OpenCompany() const {
  const std::string dir = Dir();
  const std::string company = Company();
  DataAccessPtr data_access = NewDataAccess();
  const std::optional<std::string> server = ConfiguredServer();
  const std::string connection_string =
      "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + server.value_or(dir) +
      ";Initial Catalog=" + company + ";Integrated Security=SSPI;";
  if (!data_access->OpenConnection(connection_string)) {
    if (!server) throw UsageError(UnopenableCompanyReason(dir, company));
    const std::optional<postgres::PgAddress> address = postgres::ParsePgAddress(*server);
    throw UsageError("Não foi possível abrir a empresa " + company + " no servidor " +
                     (address ? address->Display() : std::string("indicado")) +
                     ": a base de dados não existe, o servidor não responde ou recusa o "
                     "utilizador ou a palavra-passe.");
  }
  CheckCompanyTables(*data_access, company);
  return data_access;
}

}  // namespace pellora::app
