#ifndef PELLORA_APP_DESK_COMPANY_LIST_H_
#define PELLORA_APP_DESK_COMPANY_LIST_H_

#include <string>
#include <vector>

namespace pellora::desk {

// The companies with a configuration file in DIR/orudados, by code.
std::vector<std::string> ConfiguredCompanies(const std::string& dir);

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_COMPANY_LIST_H_
