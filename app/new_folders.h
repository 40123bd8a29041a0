#ifndef PELLORA_APP_NEW_FOLDERS_H_
#define PELLORA_APP_NEW_FOLDERS_H_

#include <filesystem>
#include <vector>

namespace pellora::app {

// Makes a folder and any missing folder above it; those it made are removed again, if still
// empty, unless the work they were made for is kept: a failed command leaves no empty folders.
class NewFolders {
 public:
  // Raises pellora::Error when the folder cannot be made.
  explicit NewFolders(const std::filesystem::path& folder);
  ~NewFolders();
  NewFolders(const NewFolders&) = delete;
  NewFolders& operator=(const NewFolders&) = delete;

  void Keep() { made_.clear(); }

 private:
  void RemoveEmpty();

  std::vector<std::filesystem::path> made_;  // deepest first
};

}  // namespace pellora::app

#endif  // PELLORA_APP_NEW_FOLDERS_H_
