#ifndef PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
#define PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "interfaces/data_access.h"
#include "interfaces/orders_report.h"

namespace pellora::console {

// The report component as an HTML page. Generate reads the report file (see
// report_definition.h), runs its query on the company database through a data-access object of
// its own and writes <server>/relatorios/<report file's name>.html, the server being the folder
// of the company databases. Show prints that file's path on the output stream.
class HtmlOrdersReport : public OrdersReport {
 public:
  HtmlOrdersReport(std::ostream& out, std::function<DataAccessPtr()> make_data_access);

  void SetReportFile(const std::string& path) override;
  void SetDatabaseKind(int32_t kind) override;
  void SetServer(const std::string& server) override;
  void SetUser(const std::string& user) override;
  void SetDatabase(const std::string& database) override;
  void SetPassword(const std::string& password) override;
  void Generate(int32_t destination) override;
  int32_t Show() override;

 private:
  std::string ConnectionString() const;

  std::ostream& out_;
  std::function<DataAccessPtr()> make_data_access_;
  std::string report_file_;
  int32_t database_kind_ = 0;
  std::string server_;
  std::string user_;
  std::string database_;
  std::string password_;
  std::filesystem::path page_;
  int32_t row_count_ = 0;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_HTML_ORDERS_REPORT_H_
