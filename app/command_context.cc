#include "app/command_context.h"

#include <filesystem>
#include <optional>

#include "app/company_check.h"
#include "app/crash_harness.h"
#include "app/engine_data_access.h"
#include "app/tracing_data_access.h"
#include "app/typed_number.h"
#include "platform/postgres/pg_address.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "runtime/private_profile.h"

namespace pellora::app {
namespace {

// Whole seconds, 0 (do not wait) to a day.
std::chrono::milliseconds Seconds(const std::string& text, const std::string& origin) {
  return std::chrono::seconds(WholeNumber(text, origin, 0, 86400));
}

// The company configuration file's [Ligação] `key`, in seconds; none when the file or the key is
// not there.
std::optional<std::chrono::milliseconds> SecondsSetting(const CommandContext& context,
                                                        const char* key) {
  if (!context.line.Has("dir") || !context.line.Has("company")) return std::nullopt;
  const std::string file = context.ConfigurationFile().string();
  const std::string text = GetPrivateProfileString("Ligação", key, "", 32, file).text;
  if (text.empty()) return std::nullopt;
  return Seconds(text, std::string(key) + ", em segundos, em " + file);
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
  if (auto text = line.Get("busy-timeout")) return Seconds(*text, "--busy-timeout, em segundos,");
  return SecondsSetting(*this, "TempoEspera").value_or(sqlite::kDefaultBusyTimeout);
}

std::chrono::milliseconds CommandContext::SilenceLimit() const {
  return SecondsSetting(*this, "TempoSemResposta").value_or(postgres::kDefaultSilenceLimit);
}

std::shared_ptr<EngineDataAccess> CommandContext::NewEngine() const {
  return std::make_shared<EngineDataAccess>(BusyTimeout(), SilenceLimit(), CrashHarness());
}

DataAccessPtr CommandContext::NewDataAccess() const {
  return Traced(NewEngine());
}

DataAccessPtr CommandContext::Traced(DataAccessPtr data_access) const {
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
  const std::shared_ptr<EngineDataAccess> engine = NewEngine();
  DataAccessPtr data_access = Traced(engine);
  if (!data_access->OpenConnection(connection.ConnectionString())) {
    if (const postgres::PgConnectError* refusal = engine->ServerRefusal()) {
      RaiseServerRefusal(*refusal);
    }
    if (postgres::SelectsPostgres(connection.server)) {
      throw UsageError("O servidor que " + ConfigurationFile().string() +
                       " indica não é um endereço válido: use "
                       "postgresql://[utilizador@]máquina[:porta].");
    }
    throw UsageError(UnopenableCompanyReason(connection.server, connection.database, company));
  }
  CheckCompanyTables(*data_access, company);
  return data_access;
}

void CommandContext::CheckCompanyOpens() const {
  if (Connection().Lacking().empty()) OpenCompany()->CloseConnection();
}

}  // namespace pellora::app
