#ifndef PELLORA_INTERFACES_ORDERS_REPORT_H_
#define PELLORA_INTERFACES_ORDERS_REPORT_H_

#include <cstdint>
#include <memory>
#include <string>

namespace pellora {

// The maker's report component: shows a report file against a company database.
class OrdersReport {
 public:
  virtual ~OrdersReport() = default;
  virtual void SetReportFile(const std::string& path) = 0;
  // Kind of database the report reads; 2 is the company database of the data-access library,
  // the only kind supported.
  virtual void SetDatabaseKind(int32_t kind) = 0;
  virtual void SetServer(const std::string& server) = 0;
  virtual void SetUser(const std::string& user) = 0;
  virtual void SetDatabase(const std::string& database) = 0;
  virtual void SetPassword(const std::string& password) = 0;
  // Runs the report's query and produces the report for the destination: 0, the screen, is
  // the only one supported.
  virtual void Generate(int32_t destination) = 0;
  // Shows the report produced; answers the number of rows it lists.
  virtual int32_t Show() = 0;
};

using OrdersReportPtr = std::shared_ptr<OrdersReport>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_ORDERS_REPORT_H_
