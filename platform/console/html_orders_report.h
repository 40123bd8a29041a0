#ifndef PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
#define PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_

#include <filesystem>
#include <functional>
#include <iosfwd>

#include "platform/common/orders_report_page.h"

namespace pellora::console {

// The report component as an HTML file: Generate also writes the page to
// <server>/relatorios/<report file's name>.html, the server being the folder of the company
// databases; a company on a database server (an address such as postgresql://...) has its pages
// in `local_folder` instead. Show prints that file's path on the output stream.
class HtmlOrdersReport : public common::OrdersReportPage {
 public:
  HtmlOrdersReport(std::ostream& out, std::function<DataAccessPtr()> make_data_access,
                   std::filesystem::path local_folder);

  void Generate(int32_t destination) override;
  int32_t Show() override;

 private:
  std::ostream& out_;
  std::filesystem::path local_folder_;
  std::filesystem::path file_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
