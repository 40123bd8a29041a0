#ifndef PELLORA_PLATFORM_VELA_COMPANY_SQL_H_
#define PELLORA_PLATFORM_VELA_COMPANY_SQL_H_

#include <string>
#include <vector>

#include "interfaces/data_access.h"
#include "runtime/recordset.h"

namespace pellora::vela {

// The host stand-in's statements on the company database; a failure raises the error type.

// The rows of a query, on the first one.
RecordsetPtr Query(DataAccess& data_access, const std::string& sql);
// True when the query gives at least one row.
bool Exists(DataAccess& data_access, const std::string& sql);
void Execute(DataAccess& data_access, const std::string& sql);

// The same with each "?" of `sql` standing for the next of `values`: statements sent once per
// line, lot or serial number keep one text.
RecordsetPtr Query(DataAccess& data_access, const std::string& sql,
                   const std::vector<Variant>& values);
bool Exists(DataAccess& data_access, const std::string& sql, const std::vector<Variant>& values);
void Execute(DataAccess& data_access, const std::string& sql, const std::vector<Variant>& values);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_COMPANY_SQL_H_
