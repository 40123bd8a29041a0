#include "platform/vela/company_sql.h"

#include "runtime/error.h"

namespace pellora::vela {

namespace {

constexpr const char* kContext = "Vela";

}  // namespace

RecordsetPtr Query(DataAccess& data_access, const std::string& sql) {
  RecordsetPtr recordset;
  if (!data_access.OpenRecordset(kContext, sql, recordset, true, 0) || !recordset) {
    throw Error(kDatabaseError, kContext, "Não foi possível ler a base de dados da empresa.");
  }
  return recordset;
}

bool Exists(DataAccess& data_access, const std::string& sql) {
  return !Query(data_access, sql)->Eof();
}

void Execute(DataAccess& data_access, const std::string& sql) {
  if (!data_access.ExecuteCommand(kContext, sql)) {
    throw Error(kDatabaseError, kContext, "Não foi possível escrever na base de dados da empresa.");
  }
}

RecordsetPtr Query(DataAccess& data_access, const std::string& sql,
                   const std::vector<Variant>& values) {
  return data_access.RunWithValues(sql, values);
}

bool Exists(DataAccess& data_access, const std::string& sql, const std::vector<Variant>& values) {
  return !Query(data_access, sql, values)->Eof();
}

void Execute(DataAccess& data_access, const std::string& sql, const std::vector<Variant>& values) {
  data_access.RunWithValues(sql, values);
}

}  // namespace pellora::vela
