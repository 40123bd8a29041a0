#include "platform/qt/qt_orders_report.h"

#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/report_window.h"
#include "runtime/error.h"

namespace pellora::qt {

int32_t QtOrdersReport::Show() {
  if (Page().empty()) RaiseRuntimeError(kObjectNotSet, "Relatório");
  OnGui([this] {
    ReportWindow window(ToQ(Title()), ToQ(Page()));
    window.exec();
  });
  return RowCount();
}

}  // namespace pellora::qt
