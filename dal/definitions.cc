#include "dal/definitions.h"

#include "dal/context.h"
#include "dal/dal_error.h"

namespace pellora {

const DataAccessPtr& gDataAccess() {
  return ContextScope::DataAccessInForce();
}

void DataAccessSet(const DataAccessPtr& data_access) {
  ContextScope::DataAccessInForce() = data_access;
}

bool DataAccessExecute(const std::string& sql) {
  return ObjectOf(gDataAccess()).ExecuteCommand("", sql);
}

}  // namespace pellora
