#include "app/host_components.h"

#include <filesystem>

#include "platform/common/data_folder_locator.h"
#include "platform/vela/picking_api.h"

namespace pellora::app {

DataAccessPtr HostComponents::CreateDataAccess() {
  return context_.NewDataAccess();
}

PickingApiPtr HostComponents::CreatePickingApi() {
  return std::make_shared<vela::VelaPickingApi>();
}

FolderLocatorPtr HostComponents::CreateFolderLocator() {
  return std::make_shared<common::DataFolderLocator>(context_.Dir());
}

std::string AddinFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path().string() : program.parent_path().string();
}

}  // namespace pellora::app
