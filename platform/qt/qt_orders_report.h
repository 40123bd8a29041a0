#ifndef PELLORA_PLATFORM_QT_QT_ORDERS_REPORT_H_
#define PELLORA_PLATFORM_QT_QT_ORDERS_REPORT_H_

#include <functional>

#include "platform/common/orders_report_page.h"

namespace pellora::qt {

// The report in a window (see ReportWindow), which prints it or saves it as an HTML file.
class QtOrdersReport : public common::OrdersReportPage {
 public:
  explicit QtOrdersReport(std::function<DataAccessPtr()> make_data_access)
      : OrdersReportPage(std::move(make_data_access)) {}

  int32_t Show() override;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_ORDERS_REPORT_H_
