#include "platform/common/report_definition.h"

#include <fstream>

#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora::common {
namespace {

constexpr long kFileNotFound = 53;
constexpr char kSource[] = "Relatório";

// "key=value" as its two trimmed parts; nothing when the line has no "=".
bool SplitEntry(const std::string& line, std::string& key, std::string& value) {
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  key = Trim(line.substr(0, equals));
  value = Trim(line.substr(equals + 1));
  return true;
}

}  // namespace

ReportDefinition ReadReportDefinition(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) {
    throw Error(kFileNotFound, kSource, "Não foi possível ler o relatório " + file.string() + ".");
  }
  ReportDefinition report;
  std::string section;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (section == "sql") {
      report.sql += (report.sql.empty() ? "" : "\r\n") + line;
      continue;
    }
    const std::string trimmed = Trim(line);
    std::string key;
    std::string value;
    if (trimmed.starts_with('[') && trimmed.ends_with(']')) {
      section = LCase(trimmed.substr(1, trimmed.size() - 2));
    } else if (trimmed.starts_with(';') || !SplitEntry(trimmed, key, value)) {
      continue;
    } else if (section == "colunas") {
      report.columns.push_back({key, value});
    } else if (section == "relatorio" && LCase(key) == "titulo") {
      report.title = value;
    }
  }
  if (report.columns.empty() || Trim(report.sql).empty()) {
    throw Error(kInvalidProcedureCall, kSource,
                "O relatório " + file.string() + " não define colunas e consulta.");
  }
  return report;
}

}  // namespace pellora::common
