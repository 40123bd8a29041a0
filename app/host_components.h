#ifndef PELLORA_APP_HOST_COMPONENTS_H_
#define PELLORA_APP_HOST_COMPONENTS_H_

#include <string>

#include "app/command_context.h"
#include "interfaces/component_factory.h"

namespace pellora::app {

// What the host gives the add-in whatever draws its dialogs: the company database on its engine,
// the host stand-in and the folder of the company's data. The dialogs are the subclass's.
class HostComponents : public ComponentFactory {
 public:
  explicit HostComponents(const CommandContext& context) : context_(context) {}

  DataAccessPtr CreateDataAccess() override;
  PickingApiPtr CreatePickingApi() override;
  FolderLocatorPtr CreateFolderLocator() override;

 protected:
  const CommandContext& context() const { return context_; }

 private:
  const CommandContext& context_;
};

// The folder the add-in is installed in: the program's own folder, where the orders report
// definition ships.
std::string AddinFolder();

}  // namespace pellora::app

#endif  // PELLORA_APP_HOST_COMPONENTS_H_
