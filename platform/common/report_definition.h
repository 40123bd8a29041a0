#ifndef PELLORA_PLATFORM_COMMON_REPORT_DEFINITION_H_
#define PELLORA_PLATFORM_COMMON_REPORT_DEFINITION_H_

#include <filesystem>
#include <string>
#include <vector>

namespace pellora::common {

// One column of a report: the query's field it shows and its caption.
struct ReportColumn {
  std::string field;
  std::string caption;
};

// A report file (".rpt"), in sections as an INI file; lines starting with ";" are comments:
//
//   [Relatorio]
//   Titulo=<title>
//   [Colunas]
//   <field>=<caption>      one per column, in the order shown
//   [SQL]
//   <the query, as sent to the company database, to the end of the file>
struct ReportDefinition {
  std::string title;
  std::vector<ReportColumn> columns;
  std::string sql;  // lines joined by CR LF
};

// Raises error 53 when the file cannot be read and 5 when it has no columns or no query.
ReportDefinition ReadReportDefinition(const std::filesystem::path& file);

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_REPORT_DEFINITION_H_
