#ifndef PELLORA_DAL_QUERY_H_
#define PELLORA_DAL_QUERY_H_

#include <string>

#include "runtime/recordset.h"

namespace pellora {

// The three calls every DalComandos operation makes on gDataAccess.

// OpenRecordset("", sql, rs, True, 0): the open, client-side result.
RecordsetPtr OpenQuery(const std::string& sql);
// ExecuteCommand("", sql); its answer is not looked at.
void RunCommand(const std::string& sql);
// SaveRecordset("", recordset); the argument then refers to what the call left.
void SaveChanges(RecordsetPtr& recordset);

}  // namespace pellora

#endif  // PELLORA_DAL_QUERY_H_
