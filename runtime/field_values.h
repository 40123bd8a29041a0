#ifndef PELLORA_RUNTIME_FIELD_VALUES_H_
#define PELLORA_RUNTIME_FIELD_VALUES_H_

#include <string>
#include <string_view>

#include "runtime/recordset.h"

namespace pellora {

// How the system reads the current row of a recordset where a missing value means "nothing".

// The field as text; Null (and Empty) read as the empty text, as VB's "&" gives them.
std::string FieldText(Recordset& recordset, std::string_view field);
// The field as a number; Null (and Empty) read as 0.
double FieldNumber(Recordset& recordset, std::string_view field);
// A recordset is held and shows at least one row.
bool HasRows(const RecordsetPtr& recordset);
// Moves to the first row when there is one (an empty recordset already stands at its end), so
// that a walk "until EOF" can start on any recordset.
void MoveToFirstRow(Recordset& recordset);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_FIELD_VALUES_H_
