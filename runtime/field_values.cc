#include "runtime/field_values.h"

#include "runtime/convert.h"

namespace pellora {

std::string FieldText(Recordset& recordset, std::string_view field) {
  return Concat(recordset.Fields(field).Value(), Variant());
}

double FieldNumber(Recordset& recordset, std::string_view field) {
  const Variant value = recordset.Fields(field).Value();
  return value.IsNull() || value.IsEmpty() ? 0.0 : CDbl(value);
}

bool HasRows(const RecordsetPtr& recordset) {
  return recordset && recordset->RecordCount() > 0;
}

void MoveToFirstRow(Recordset& recordset) {
  if (recordset.RecordCount() > 0) recordset.MoveFirst();
}

}  // namespace pellora
