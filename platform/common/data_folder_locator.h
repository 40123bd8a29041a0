#ifndef PELLORA_PLATFORM_COMMON_DATA_FOLDER_LOCATOR_H_
#define PELLORA_PLATFORM_COMMON_DATA_FOLDER_LOCATOR_H_

#include <string>

#include "interfaces/folder_locator.h"

namespace pellora::common {

// The common folder is the one the program was given (the company folder); folders the add-in
// names with "\" are looked up as folders of this system.
class DataFolderLocator : public FolderLocator {
 public:
  explicit DataFolderLocator(std::string common_folder);

  std::string CommonFolder() const override;
  bool FolderExists(const std::string& path) const override;

 private:
  std::string common_folder_;
};

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_DATA_FOLDER_LOCATOR_H_
