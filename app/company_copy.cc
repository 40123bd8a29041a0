#include "app/company_copy.h"

namespace pellora::app {
namespace {

void CopyTable(DataAccess& from, DataAccess& to, const std::string& table) {
  RecordsetPtr rows;
  from.OpenRecordset("CopyCompanyRows", "SELECT * FROM " + table, rows, true, 0);
  to.AppendRows(table, *rows);
}

}  // namespace

void CopyCompanyRows(DataAccess& from, DataAccess& to, const std::vector<std::string>& tables) {
  to.BeginTransaction();
  try {
    for (const std::string& table : tables) CopyTable(from, to, table);
  } catch (...) {
    to.RollbackTransaction();
    throw;
  }
  to.CommitTransaction();
}

}  // namespace pellora::app
