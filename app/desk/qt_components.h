#ifndef PELLORA_APP_DESK_QT_COMPONENTS_H_
#define PELLORA_APP_DESK_QT_COMPONENTS_H_

#include <functional>

#include "app/host_components.h"

namespace pellora::desk {

// The add-in's outside components for the desktop: the host's own (see HostComponents) with
// every dialog and form in a Qt window. The picking API object it makes tells `on_line` of every
// document line the import asks for, so a window can show how far an import has gone.
class QtComponents : public app::HostComponents {
 public:
  explicit QtComponents(const app::CommandContext& context) : HostComponents(context) {}

  // Called on the thread the import runs on.
  void SetLineProgress(std::function<void()> on_line) { on_line_ = std::move(on_line); }

  PickingApiPtr CreatePickingApi() override;
  SelectionDialogPtr CreateSelectionDialog() override;
  ConnectionSettingsPtr CreateConnectionSettings() override;
  OrdersReportPtr CreateOrdersReport() override;
  ShellPtr CreateShell() override;
  FormSurfacePtr CreateFormSurface() override;
  PropertyGridSurfacePtr CreatePropertyGridSurface() override;
  std::shared_ptr<Dialogs> CreateDialogs() override;

 private:
  std::function<void()> on_line_;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_QT_COMPONENTS_H_
