#ifndef PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
#define PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "platform/common/orders_report_page.h"

namespace pellora::console {

// The report component as an HTML file: Generate also writes the page to
// <folder>/relatorios/<report file's name>.html, `company_folder` giving the folder for the
// company's server: the folder of the company files, or for a company on a database server a
// folder of the workstation. Show prints that file's path on the output stream.
class HtmlOrdersReport : public common::OrdersReportPage {
 public:
  using CompanyFolder = std::function<std::filesystem::path(const std::string& server)>;
  HtmlOrdersReport(std::ostream& out, std::function<DataAccessPtr()> make_data_access,
                   CompanyFolder company_folder);

  void Generate(int32_t destination) override;
  int32_t Show() override;

 private:
  std::ostream& out_;
  CompanyFolder company_folder_;
  std::filesystem::path file_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
