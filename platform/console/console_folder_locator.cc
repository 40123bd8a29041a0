#include "platform/console/console_folder_locator.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/console/native_path.h"

namespace pellora::console {

ConsoleFolderLocator::ConsoleFolderLocator(std::string common_folder)
    : common_folder_(std::move(common_folder)) {
  while (common_folder_.size() > 1 && common_folder_.back() == '/') common_folder_.pop_back();
}

std::string ConsoleFolderLocator::CommonFolder() const {
  return common_folder_;
}

bool ConsoleFolderLocator::FolderExists(const std::string& path) const {
  std::error_code error;
  return std::filesystem::is_directory(NativePath(path), error);
}

}  // namespace pellora::console
