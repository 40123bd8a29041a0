#include "app/new_folders.h"

#include <system_error>

#include "runtime/error.h"

namespace pellora::app {

namespace fs = std::filesystem;

NewFolders::NewFolders(const fs::path& folder) {
  std::error_code error;
  for (fs::path missing = fs::absolute(folder, error);
       !missing.empty() && !fs::exists(missing, error); missing = missing.parent_path()) {
    made_.push_back(missing);
  }
  fs::create_directories(folder, error);
  if (error) {
    RemoveEmpty();
    throw Error(kInvalidProcedureCall, "NewFolders",
                "Não foi possível criar a pasta " + folder.string() + ".");
  }
}

NewFolders::~NewFolders() {
  RemoveEmpty();
}

void NewFolders::RemoveEmpty() {
  std::error_code ignored;
  for (const fs::path& folder : made_) {
    if (fs::is_empty(folder, ignored)) fs::remove(folder, ignored);
  }
}

}  // namespace pellora::app
