#ifndef PELLORA_APP_COMPANY_COPY_H_
#define PELLORA_APP_COMPANY_COPY_H_

#include <string>
#include <vector>

#include "interfaces/data_access.h"

namespace pellora::app {

// Copies every row of `tables` from one open company to another whose tables are empty, keys
// included, in one transaction of `to`: whichever engine each is on.
void CopyCompanyRows(DataAccess& from, DataAccess& to, const std::vector<std::string>& tables);

}  // namespace pellora::app

#endif  // PELLORA_APP_COMPANY_COPY_H_
