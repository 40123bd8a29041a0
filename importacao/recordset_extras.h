#ifndef PELLORA_IMPORTACAO_RECORDSET_EXTRAS_H_
#define PELLORA_IMPORTACAO_RECORDSET_EXTRAS_H_

#include <string_view>

#include "runtime/convert.h"
#include "runtime/recordset.h"

namespace pellora {

// The current row's field as a number; Null (and Empty) read as 0. The numeric counterpart of
// FieldText (importacao/recordset_reading.h).
inline double FieldNumber(Recordset& recordset, std::string_view field) {
  const Variant value = recordset[field].Value();
  return value.IsNull() || value.IsEmpty() ? 0.0 : CDbl(value);
}

// Moves to the first row, when there is one (an empty recordset already stands at its end), so
// that a walk "until EOF" can start on any recordset.
inline void MoveToFirstRow(Recordset& recordset) {
  if (recordset.RecordCount() > 0) recordset.MoveFirst();
}

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_RECORDSET_EXTRAS_H_
