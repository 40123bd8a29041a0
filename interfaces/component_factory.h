#ifndef PELLORA_INTERFACES_COMPONENT_FACTORY_H_
#define PELLORA_INTERFACES_COMPONENT_FACTORY_H_

#include <memory>

#include "interfaces/connection_settings.h"
#include "interfaces/controls.h"
#include "interfaces/data_access.h"
#include "interfaces/dialogs.h"
#include "interfaces/folder_locator.h"
#include "interfaces/orders_report.h"
#include "interfaces/property_grid.h"
#include "interfaces/selection_dialog.h"
#include "interfaces/shell.h"
#include "interfaces/vela.h"

namespace pellora {

// Where the add-in "creates" an outside object it asks this factory; the program and the
// tests decide what it makes.
class ComponentFactory {
 public:
  virtual ~ComponentFactory() = default;
  virtual DataAccessPtr CreateDataAccess() = 0;
  virtual PickingApiPtr CreatePickingApi() = 0;
  virtual SelectionDialogPtr CreateSelectionDialog() = 0;
  virtual ConnectionSettingsPtr CreateConnectionSettings() = 0;
  virtual FolderLocatorPtr CreateFolderLocator() = 0;
  virtual OrdersReportPtr CreateOrdersReport() = 0;
  virtual ShellPtr CreateShell() = 0;
  // A fresh, empty window for one of the add-in's forms.
  virtual FormSurfacePtr CreateFormSurface() = 0;
  // A fresh, empty window that can host a property grid (the parameters editor).
  virtual PropertyGridSurfacePtr CreatePropertyGridSurface() = 0;
  // The message and input boxes the add-in shows the operator.
  virtual std::shared_ptr<Dialogs> CreateDialogs() = 0;
};

}  // namespace pellora

#endif  // PELLORA_INTERFACES_COMPONENT_FACTORY_H_
