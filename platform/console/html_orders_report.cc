#include "platform/console/html_orders_report.h"

#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/console/cell_text.h"
#include "platform/console/native_path.h"
#include "platform/console/report_definition.h"
#include "platform/console/report_html.h"
#include "runtime/atomic_file.h"
#include "runtime/clock.h"
#include "runtime/error.h"
#include "runtime/format.h"

namespace pellora::console {
namespace {

constexpr char kSource[] = "Relatório";
constexpr int32_t kCompanyDatabase = 2;
constexpr int32_t kScreen = 0;
constexpr char kPagesFolder[] = "relatorios";

std::vector<std::vector<std::string>> ReportRows(const ReportDefinition& report,
                                                 Recordset& recordset) {
  std::vector<std::vector<std::string>> rows;
  if (recordset.RecordCount() == 0) return rows;
  for (recordset.MoveFirst(); !recordset.Eof(); recordset.MoveNext()) {
    std::vector<std::string>& row = rows.emplace_back();
    for (const ReportColumn& column : report.columns) {
      row.push_back(CellText(recordset.Fields(column.field).Value()));
    }
  }
  return rows;
}

}  // namespace

HtmlOrdersReport::HtmlOrdersReport(std::ostream& out,
                                   std::function<DataAccessPtr()> make_data_access)
    : out_(out), make_data_access_(std::move(make_data_access)) {}

void HtmlOrdersReport::SetReportFile(const std::string& path) {
  report_file_ = path;
}

void HtmlOrdersReport::SetDatabaseKind(int32_t kind) {
  database_kind_ = kind;
}

void HtmlOrdersReport::SetServer(const std::string& server) {
  server_ = server;
}

void HtmlOrdersReport::SetUser(const std::string& user) {
  user_ = user;
}

void HtmlOrdersReport::SetDatabase(const std::string& database) {
  database_ = database;
}

void HtmlOrdersReport::SetPassword(const std::string& password) {
  password_ = password;
}

void HtmlOrdersReport::Generate(int32_t destination) {
  if (database_kind_ != kCompanyDatabase || destination != kScreen) {
    RaiseRuntimeError(kInvalidProcedureCall, kSource);
  }
  const std::filesystem::path report_file = NativePath(report_file_);
  const ReportDefinition report = ReadReportDefinition(report_file);

  const DataAccessPtr data_access = make_data_access_();
  if (!data_access->OpenConnection(ConnectionString())) {
    throw Error(kInvalidProcedureCall, kSource,
                "Não foi possível abrir a base de dados " + database_ + ".");
  }
  RecordsetPtr recordset;
  data_access->OpenRecordset(kSource, report.sql, recordset, true, 0);
  const std::vector<std::vector<std::string>> rows = ReportRows(report, *recordset);
  data_access->CloseConnection();

  std::ostringstream page;
  WriteReportHtml(report, rows, Format(Now(), "dd-mm-yyyy hh:mm"), page);
  const std::filesystem::path folder = NativePath(server_) / kPagesFolder;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  page_ = folder / report_file.filename().replace_extension(".html");
  if (!ReplaceFileContents(page_.string(), page.str())) {
    throw Error(kInvalidProcedureCall, kSource,
                "Não foi possível gravar o relatório em " + page_.string() + ".");
  }
  row_count_ = static_cast<int32_t>(rows.size());
}

int32_t HtmlOrdersReport::Show() {
  if (page_.empty()) RaiseRuntimeError(kObjectNotSet, kSource);
  out_ << "Relatório: " << page_.string() << "\n";
  return row_count_;
}

std::string HtmlOrdersReport::ConnectionString() const {
  std::string text = "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + server_ +
                     ";Initial Catalog=" + database_;
  if (user_.empty() && password_.empty()) return text + ";Integrated Security=SSPI;";
  return text + ";User Id=" + user_ + ";Password=" + password_ + "; ";
}

}  // namespace pellora::console
