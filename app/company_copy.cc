#include "app/company_copy.h"

namespace pellora::app {
namespace {

void CopyTable(DataAccess& from, DataAccess& to, const std::string& table) {
  RecordsetPtr rows;
  from.OpenRecordset("CopyCompanyRows", "SELECT * FROM " + table, rows, true, 0);
  std::string columns;
  std::string markers;
  for (size_t field = 0; field < rows->FieldCount(); ++field) {
    columns += (field == 0 ? "[" : ", [") + rows->FieldDefAt(field).name + "]";
    markers += field == 0 ? "?" : ", ?";
  }
  const std::string insert = "INSERT INTO " + table + " (" + columns + ") VALUES (" + markers + ")";
  std::vector<Variant> values(rows->FieldCount());
  for (size_t row = 0; row < rows->RowCountAll(); ++row) {
    for (size_t field = 0; field < values.size(); ++field)
      values[field] = rows->ValueAt(row, field);
    to.RunWithValues(insert, values);
  }
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
