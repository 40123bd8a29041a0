#include "app/company_check.h"

#include <unistd.h>

#include <filesystem>
#include <regex>
#include <vector>

#include "app/command_line.h"
#include "app/company_schema.h"
#include "runtime/field_values.h"

namespace pellora::app {
const std::vector<std::string>& CompanyTables() {
  static const std::vector<std::string> kTables = [] {
    std::vector<std::string> tables;
    static const std::regex kCreateTable(R"(CREATE TABLE (\w+))");
    const std::string schema = kCompanySchema;
    for (std::sregex_iterator it(schema.begin(), schema.end(), kCreateTable), end; it != end;
         ++it) {
      tables.push_back((*it)[1]);
    }
    return tables;
  }();
  return kTables;
}

std::string UnopenableCompanyReason(const std::string& folder, const std::string& database,
                                    const std::string& company) {
  const std::filesystem::path file = std::filesystem::path(folder) / (database + ".db");
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    return "A empresa " + company + " não existe: não há o ficheiro " + file.string() + ".";
  }
  if (access(file.c_str(), R_OK | W_OK) != 0) {
    return "O ficheiro " + file.string() + " da empresa " + company +
           " não pode ser alterado (só de leitura ou sem permissão).";
  }
  return "O ficheiro " + file.string() + " da empresa " + company +
         " está danificado ou não é uma base de dados.";
}

void RaiseServerRefusal(const postgres::PgConnectError& refusal) {
  if (postgres::ServerUnavailable(refusal.sqlstate())) throw refusal;
  throw UsageError(refusal.description());
}

void CheckCompanyTables(DataAccess& data_access, const std::string& company) {
  for (const std::string& table : CompanyTables()) {
    RecordsetPtr found;
    data_access.OpenRecordset("CheckCompanyTables",
                              "SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[" +
                                  table + "]') AND type in (N'U')",
                              found, true, 0);
    if (!HasRows(found)) {
      throw UsageError("A base de dados da empresa " + company + " não tem a tabela " + table +
                       ": não é uma empresa completa.");
    }
  }
}

}  // namespace pellora::app
