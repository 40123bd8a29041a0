#include "dal/query.h"

#include "dal/dal_error.h"
#include "dal/definitions.h"

namespace pellora {

RecordsetPtr OpenQuery(const std::string& sql) {
  RecordsetPtr recordset;
  ObjectOf(gDataAccess()).OpenRecordset("", sql, recordset, true, 0);
  return recordset;
}

void RunCommand(const std::string& sql) {
  ObjectOf(gDataAccess()).ExecuteCommand("", sql);
}

void SaveChanges(RecordsetPtr& recordset) {
  ObjectOf(gDataAccess()).SaveRecordset("", recordset);
}

}  // namespace pellora
