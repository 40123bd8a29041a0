#ifndef PELLORA_PLATFORM_COMMON_ORDERS_REPORT_PAGE_H_
#define PELLORA_PLATFORM_COMMON_ORDERS_REPORT_PAGE_H_

#include <cstdint>
#include <functional>
#include <string>

#include "interfaces/data_access.h"
#include "interfaces/orders_report.h"

namespace pellora::common {

// The report component's settings and its run: Generate reads the report file (see
// report_definition.h), runs its query on the company database through a data-access object of
// its own and keeps the report as an HTML page. How the page reaches the operator is the
// subclass's Show.
class OrdersReportPage : public OrdersReport {
 public:
  explicit OrdersReportPage(std::function<DataAccessPtr()> make_data_access);

  void SetReportFile(const std::string& path) override;
  void SetDatabaseKind(int32_t kind) override;
  void SetServer(const std::string& server) override;
  void SetUser(const std::string& user) override;
  void SetDatabase(const std::string& database) override;
  void SetPassword(const std::string& password) override;
  void Generate(int32_t destination) override;

 protected:
  const std::string& ReportFile() const { return report_file_; }
  const std::string& Server() const { return server_; }
  const std::string& Title() const { return title_; }
  // Empty until Generate has run.
  const std::string& Page() const { return page_; }
  int32_t RowCount() const { return row_count_; }

 private:
  std::string ConnectionString() const;

  std::function<DataAccessPtr()> make_data_access_;
  std::string report_file_;
  int32_t database_kind_ = 0;
  std::string server_;
  std::string user_;
  std::string database_;
  std::string password_;
  std::string title_;
  std::string page_;
  int32_t row_count_ = 0;
};

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_ORDERS_REPORT_PAGE_H_
