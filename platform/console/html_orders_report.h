#ifndef PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
#define PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_

#include <filesystem>
#include <functional>
#include <iosfwd>

#include "platform/common/orders_report_page.h"

namespace pellora::console {

// The report component as an HTML file: Generate also writes the page to
// <server>/relatorios/<report file's name>.html, the server being the folder of the company
// databases. Show prints that file's path on the output stream.
class HtmlOrdersReport : public common::OrdersReportPage {
 public:
  HtmlOrdersReport(std::ostream& out, std::function<DataAccessPtr()> make_data_access);

  void Generate(int32_t destination) override;
  int32_t Show() override;

 private:
  std::ostream& out_;
  std::filesystem::path file_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
