#include "app/desk/qt_components.h"

#include "app/desk/counting_picking_api.h"
#include "platform/qt/qt_connection_settings.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_form_surface.h"
#include "platform/qt/qt_orders_report.h"
#include "platform/qt/qt_property_grid_surface.h"
#include "platform/qt/qt_selection_dialog.h"
#include "platform/qt/qt_shell.h"

namespace pellora::desk {

PickingApiPtr QtComponents::CreatePickingApi() {
  return std::make_shared<CountingPickingApi>(HostComponents::CreatePickingApi(), [this] {
    if (on_line_) on_line_();
  });
}

SelectionDialogPtr QtComponents::CreateSelectionDialog() {
  return std::make_shared<qt::QtSelectionDialog>();
}

ConnectionSettingsPtr QtComponents::CreateConnectionSettings() {
  return std::make_shared<qt::QtConnectionSettings>();
}

OrdersReportPtr QtComponents::CreateOrdersReport() {
  return std::make_shared<qt::QtOrdersReport>([this] { return context().NewDataAccess(); });
}

ShellPtr QtComponents::CreateShell() {
  return std::make_shared<qt::QtShell>();
}

FormSurfacePtr QtComponents::CreateFormSurface() {
  return std::make_unique<qt::QtFormSurface>();
}

PropertyGridSurfacePtr QtComponents::CreatePropertyGridSurface() {
  return std::make_unique<qt::QtPropertyGridSurface>();
}

std::shared_ptr<Dialogs> QtComponents::CreateDialogs() {
  return std::make_shared<qt::QtDialogs>();
}

}  // namespace pellora::desk
