#include "platform/console/html_orders_report.h"

#include <ostream>
#include <utility>

#include "platform/common/native_path.h"
#include "runtime/atomic_file.h"
#include "runtime/error.h"

namespace pellora::console {
namespace {

constexpr char kSource[] = "Relatório";
constexpr char kPagesFolder[] = "relatorios";

}  // namespace

HtmlOrdersReport::HtmlOrdersReport(std::ostream& out,
                                   std::function<DataAccessPtr()> make_data_access,
                                   CompanyFolder company_folder)
    : OrdersReportPage(std::move(make_data_access)),
      out_(out),
      company_folder_(std::move(company_folder)) {}

void HtmlOrdersReport::Generate(int32_t destination) {
  OrdersReportPage::Generate(destination);
  const std::filesystem::path folder = company_folder_(Server()) / kPagesFolder;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  file_ = folder / common::NativePath(ReportFile()).filename().replace_extension(".html");
  if (!ReplaceFileContents(file_.string(), Page())) {
    throw Error(kInvalidProcedureCall, kSource,
                "Não foi possível gravar o relatório em " + file_.string() + ".");
  }
}

int32_t HtmlOrdersReport::Show() {
  if (file_.empty()) RaiseRuntimeError(kObjectNotSet, kSource);
  out_ << "Relatório: " << file_.string() << "\n";
  return RowCount();
}

}  // namespace pellora::console
