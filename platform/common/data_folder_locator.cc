#include "platform/common/data_folder_locator.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/common/native_path.h"

namespace pellora::common {

DataFolderLocator::DataFolderLocator(std::string common_folder)
    : common_folder_(std::move(common_folder)) {
  while (common_folder_.size() > 1 && common_folder_.back() == '/') common_folder_.pop_back();
}

std::string DataFolderLocator::CommonFolder() const {
  return common_folder_;
}

bool DataFolderLocator::FolderExists(const std::string& path) const {
  std::error_code error;
  return std::filesystem::is_directory(NativePath(path), error);
}

}  // namespace pellora::common
