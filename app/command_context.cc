#include "app/command_context.h"

#include <filesystem>
#include <optional>

#include "app/company_check.h"
#include "app/crash_harness.h"
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
  DataAccessPtr data_access = std::make_shared<EngineDataAccess>(BusyTimeout(), CrashHarness());
  if (trace) data_access = std::make_shared<TracingDataAccess>(data_access, trace);
  return data_access;
}

common::CompanyConnection CommandContext::Connection() const {
  const std::filesystem::path file = ConfigurationFile();
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    throw UsageError("A empresa " + Company() + " não existe em " + Dir() + ".");
  }
  return common::ReadCompanyConnection(file.string());
}

DataAccessPtr CommandContext::OpenCompany() const {
  const common::CompanyConnection connection = Connection();
  if (const std::string lacking = connection.Lacking(); !lacking.empty()) {
    throw UsageError(lacking);
  }
  const std::string company = Company();
  DataAccessPtr data_access = NewDataAccess();
  if (!data_access->OpenConnection(connection.ConnectionString())) {
    if (!postgres::SelectsPostgres(connection.server)) {
      throw UsageError(UnopenableCompanyReason(connection.server, connection.database, company));
    }
    const std::optional<postgres::PgAddress> address = postgres::ParsePgAddress(connection.server);
    throw UsageError("Não foi possível abrir a empresa " + company + " no servidor " +
                     (address ? address->Display() : std::string("indicado")) +
                     ": a base de dados não existe, o servidor não responde ou recusa o "
                     "utilizador ou a palavra-passe.");
  }
  CheckCompanyTables(*data_access, company);
  return data_access;
}

void CommandContext::CheckCompanyOpens() const {
  if (Connection().Lacking().empty()) OpenCompany()->CloseConnection();
}

}  // namespace pellora::app
