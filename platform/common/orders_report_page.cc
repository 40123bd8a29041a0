#include "platform/common/orders_report_page.h"

#include <sstream>
#include <utility>
#include <vector>

#include "platform/common/cell_text.h"
#include "platform/common/native_path.h"
#include "platform/common/report_definition.h"
#include "platform/common/report_html.h"
#include "runtime/clock.h"
#include "runtime/error.h"
#include "runtime/format.h"

namespace pellora::common {
namespace {

constexpr char kSource[] = "Relatório";
constexpr int32_t kCompanyDatabase = 2;
constexpr int32_t kScreen = 0;

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

OrdersReportPage::OrdersReportPage(std::function<DataAccessPtr()> make_data_access)
    : make_data_access_(std::move(make_data_access)) {}

void OrdersReportPage::SetReportFile(const std::string& path) {
  report_file_ = path;
}

void OrdersReportPage::SetDatabaseKind(int32_t kind) {
  database_kind_ = kind;
}

void OrdersReportPage::SetServer(const std::string& server) {
  server_ = server;
}

void OrdersReportPage::SetUser(const std::string& user) {
  user_ = user;
}

void OrdersReportPage::SetDatabase(const std::string& database) {
  database_ = database;
}

void OrdersReportPage::SetPassword(const std::string& password) {
  password_ = password;
}

void OrdersReportPage::Generate(int32_t destination) {
  if (database_kind_ != kCompanyDatabase || destination != kScreen) {
    RaiseRuntimeError(kInvalidProcedureCall, kSource);
  }
  const ReportDefinition report = ReadReportDefinition(NativePath(report_file_));

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
  title_ = report.title;
  page_ = page.str();
  row_count_ = static_cast<int32_t>(rows.size());
}

std::string OrdersReportPage::ConnectionString() const {
  std::string text = "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + server_ +
                     ";Initial Catalog=" + database_;
  if (user_.empty() && password_.empty()) return text + ";Integrated Security=SSPI;";
  return text + ";User Id=" + user_ + ";Password=" + password_ + "; ";
}

}  // namespace pellora::common
