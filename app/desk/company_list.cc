#include "app/desk/company_list.h"

#include <algorithm>
#include <filesystem>

#include "app/command_context.h"

namespace pellora::desk {

std::vector<std::string> ConfiguredCompanies(const std::string& dir) {
  const std::string prefix = app::ConfigurationFileName("");
  std::vector<std::string> companies;
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(app::ConfigurationFolder(dir), error)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.size() > prefix.size() && name.starts_with(prefix)) {
      companies.push_back(name.substr(prefix.size()));
    }
  }
  std::sort(companies.begin(), companies.end());
  return companies;
}

}  // namespace pellora::desk
