#include "importacao/recordset_reading.h"

#include "runtime/convert.h"

namespace pellora {

std::string FieldText(Recordset& recordset, std::string_view field) {
  const Variant value = recordset[field].Value();
  return value.IsNull() || value.IsEmpty() ? std::string() : CStr(value);
}

bool HasRows(const RecordsetPtr& recordset) {
  return recordset && recordset->RecordCount() > 0;
}

}  // namespace pellora
