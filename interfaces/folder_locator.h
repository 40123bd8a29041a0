#ifndef PELLORA_INTERFACES_FOLDER_LOCATOR_H_
#define PELLORA_INTERFACES_FOLDER_LOCATOR_H_

#include <memory>
#include <string>

namespace pellora {

// The maker's folder locator.
class FolderLocator {
 public:
  virtual ~FolderLocator() = default;
  // The maker's common folder for data shared by its programs, without a final separator.
  virtual std::string CommonFolder() const = 0;
  virtual bool FolderExists(const std::string& path) const = 0;
};

using FolderLocatorPtr = std::shared_ptr<FolderLocator>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_FOLDER_LOCATOR_H_
