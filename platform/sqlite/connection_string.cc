#include "platform/sqlite/connection_string.h"

namespace pellora::sqlite {

std::filesystem::path ConnectionString::DatabaseFile() const {
  const std::string folder = Value("Data Source");
  const std::string catalog = Value("Initial Catalog");
  if (folder.empty() || catalog.empty()) return {};
  return std::filesystem::path(folder) / (catalog + ".db");
}

}  // namespace pellora::sqlite
