#ifndef PELLORA_APP_COMPANY_CHECK_H_
#define PELLORA_APP_COMPANY_CHECK_H_

#include <string>
#include <vector>

#include "interfaces/data_access.h"
#include "platform/postgres/pg_failure.h"

namespace pellora::app {

// The tables of the company schema, in the order it creates them.
const std::vector<std::string>& CompanyTables();

// Why company `company`'s database file FOLDER/<database>.db could not be opened, as a Portuguese
// sentence: missing, read-only, or damaged or not a database at all.
std::string UnopenableCompanyReason(const std::string& folder, const std::string& database,
                                    const std::string& company);

// Raises what a server's refusal to connect means to the command: UsageError when the
// configuration or the environment must be mended (no such database, a user or password
// refused), the error itself (exit 1) when it passes by itself (the server down or full).
[[noreturn]] void RaiseServerRefusal(const postgres::PgConnectError& refusal);

// UsageError naming the first table of the company schema that the open database lacks.
void CheckCompanyTables(DataAccess& data_access, const std::string& company);

}  // namespace pellora::app

#endif  // PELLORA_APP_COMPANY_CHECK_H_
