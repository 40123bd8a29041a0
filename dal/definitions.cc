#include "dal/definitions.h"

#include "dal/dal_error.h"

namespace pellora {

DataAccessPtr gDataAccess;

void DataAccessSet(DataAccessPtr& data_access) {
  gDataAccess = data_access;
}

bool DataAccessExecute(const std::string& sql) {
  return ObjectOf(gDataAccess).ExecuteCommand("", sql);
}

}  // namespace pellora
